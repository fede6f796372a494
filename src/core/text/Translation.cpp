#include "core/text/Translation.h"

#include <mutex>
#include <unordered_map>

namespace qhe {
namespace {

struct TranslationCache {
    std::mutex mutex;
    TranslateFunction translate;
    // Keyed by context and text; node-based, so the strings handed out do not move.
    std::unordered_map<std::string, std::string> texts;
    int generation = 0;
};

TranslationCache& Cache() {
    static TranslationCache cache;
    return cache;
}

} // namespace

void InstallTranslation(TranslateFunction translate) {
    TranslationCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    cache.translate = std::move(translate);
    cache.texts.clear();
    ++cache.generation;
}

int TranslationGeneration() {
    TranslationCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    return cache.generation;
}

const std::string& Tr(const char* context, const char* text) {
    TranslationCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    std::string key = context;
    key += '\x04';
    key += text;
    auto [it, added] = cache.texts.try_emplace(std::move(key));
    if (added) {
        if (cache.translate) it->second = cache.translate(context, text);
        if (it->second.empty()) it->second = text;
    }
    return it->second;
}

} // namespace qhe
