#pragma once
#include <gtest/gtest.h>

#include <string>

#include "editor/MainCommands.h"

namespace qhe::test {

// Opens a Document holding bytes under name, shown in a grid of 8 x 4, as a loaded file is.
inline void OpenBytesAs(MainCommands& commands, const std::string& bytes, const std::string& name) {
    ASSERT_TRUE(commands.Files().AllocateDocument());
    commands.View().SetGridSize(8, 4);
    Document& doc = commands.State().doc;
    ASSERT_TRUE(doc.EnsureRoom(static_cast<int64_t>(bytes.size())));
    doc.SetSize(static_cast<int32_t>(bytes.size()));
    for (size_t i = 0; i < bytes.size(); ++i)
        doc.SetByte(static_cast<int64_t>(i) + 1, static_cast<uint8_t>(bytes[i]));
    doc.FileName = name;
    commands.Files().AfterOpen();
}

} // namespace qhe::test
