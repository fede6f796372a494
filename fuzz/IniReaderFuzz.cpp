// The settings readers: the profile document (what start-up and the options read) and the
// window-geometry INI file, on any file contents. A value that was set reads back, and writing
// out a document and reading it again changes nothing.
#include "FuzzCheck.h"
#include "core/settings/IniFile.h"
#include "core/settings/IniText.h"
#include "core/settings/ProfileDocument.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// Names and values the program itself writes: letters, digits and inner blanks.
std::string PlainText(FuzzedDataProvider& in) {
    static const char kChars[] = "abcXYZ019_ .";
    std::string text;
    for (size_t n = in.ConsumeIntegralInRange<size_t>(1, 6); n > 0; --n)
        text += kChars[in.ConsumeIntegralInRange<size_t>(0, sizeof kChars - 2)];
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    while (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text.empty() ? "k" : text;
}

const std::string& ScratchFile() {
    static const std::string name = [] {
        const char* dir = std::getenv("TMPDIR");
        std::string pattern = std::string(dir && *dir ? dir : "/tmp") + "/qhe32-fuzz-ini-XXXXXX";
        const int fd = mkstemp(pattern.data());
        FUZZ_CHECK(fd >= 0);
        close(fd);
        std::atexit([] { unlink(ScratchFile().c_str()); });
        return pattern;
    }();
    return name;
}

void CheckGeometryFile(const std::string& contents, uint8_t flags, const std::string& section,
                       const std::string& key) {
    FILE* file = std::fopen(ScratchFile().c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    std::fwrite(contents.data(), 1, contents.size(), file);
    std::fclose(file);
    qhe::IniReadOptions options;
    options.skipComments = flags & 1;
    options.requireEquals = flags & 2;
    options.trimAroundEquals = flags & 4;
    options.stripQuotes = flags & 8;
    options.trimTrailingControl = flags & 16;
    qhe::TQZIniFile ini(ScratchFile(), options);
    for (const std::string& name : ini.ReadKeys(section)) {
        (void)ini.ReadString(section, name, "");
        (void)ini.ReadInteger(section, name, 0);
    }
    (void)ini.ReadBool(section, key, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const uint8_t flags = in.ConsumeIntegral<uint8_t>();
    const std::string section = PlainText(in), key = PlainText(in), value = PlainText(in);
    const std::string contents = in.ConsumeRemainingBytesAsString();

    if (const auto number = qhe::ParseIniInteger(contents);
        number && contents.find_first_of("$xX") == std::string::npos)
        FUZZ_CHECK(qhe::ParseIniInteger(std::to_string(*number)) == number);

    qhe::ProfileDocument document(contents);
    const std::string written = document.Serialize();
    FUZZ_CHECK(qhe::ProfileDocument(written).Serialize() == written);
    for (const std::string& name : document.Keys(section))
        FUZZ_CHECK(document.Get(section, name).has_value());

    document.Set(section, key, value);
    FUZZ_CHECK(document.Get(section, key) == value);
    const qhe::ProfileDocument reread(document.Serialize());
    FUZZ_CHECK(reread.Get(section, key) == value);
    document.EraseSection(section);
    FUZZ_CHECK(!document.HasSection(section));

    CheckGeometryFile(contents, flags, section, key);
    return 0;
}
