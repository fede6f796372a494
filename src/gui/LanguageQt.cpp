#include "gui/LanguageQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>

#include "core/settings/Profile.h"
#include "core/settings/SettingsFileName.h"
#include "core/text/Translation.h"

namespace qhe {
namespace {

QTranslator& ProgramTranslator() {
    static QTranslator translator;
    return translator;
}

QTranslator& QtTranslator() {
    static QTranslator translator;
    return translator;
}

} // namespace

UiLanguage LanguageOfThisRun() {
    const std::string setting = ProfileSession(SettingsFileName()).ReadString("Options", "Language", "auto");
    return ChooseLanguage(setting, [](const char* name) { return std::getenv(name); });
}

void LoadProgramTexts(UiLanguage language) {
    QTranslator& program = ProgramTranslator();
    if (language == UiLanguage::English && program.load(QStringLiteral(":/i18n/qhe32_en.qm"))) {
        InstallTranslation([&program](const char* context, const char* text) {
            return program.translate(context, text).toStdString();
        });
    } else {
        InstallTranslation(nullptr);
    }
}

void InstallApplicationTexts(UiLanguage language) {
    QCoreApplication::removeTranslator(&ProgramTranslator());
    QCoreApplication::removeTranslator(&QtTranslator());
    if (language == UiLanguage::English) {
        if (!ProgramTranslator().isEmpty()) QCoreApplication::installTranslator(&ProgramTranslator());
        // Qt's own texts are English already.
        return;
    }
    if (QtTranslator().load(QStringLiteral("qtbase_zh_CN"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&QtTranslator());
}

} // namespace qhe
