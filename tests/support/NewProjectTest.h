#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/QuarnDoc.h"
#include "support/TestSupport.h"

// A fixture holding a new project made with an options file of four zeros (English units,
// large sizes) in a private configuration folder.
struct NewProjectTest : ::testing::Test {
    CScopedConfigHome config;
    CRecordingMessages messages;
    std::unique_ptr<CQuarnDoc> doc = std::make_unique<CQuarnDoc>(messages);

    void SetUp() override {
        config.WriteOptions(std::vector<uint8_t>(16, 0));
        ASSERT_TRUE(doc->OnNewDocument());
        ASSERT_TRUE(messages.messages.empty());
    }
};
