#pragma once
#include <map>
#include <string>

namespace qhe {

// One help topic: a title and a short HTML body.
struct HelpTopic {
    std::string title;
    std::string body;
};

// The program's help, keyed by context number. Context 0 is the contents page.
const std::map<int, HelpTopic>& HelpTopics();

// The topic of a context; unknown contexts fall back to the contents page.
const HelpTopic& HelpTopicFor(int context);

} // namespace qhe
