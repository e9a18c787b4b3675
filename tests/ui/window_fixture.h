#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <QStringList>
#include <QTest>

#include "tests/ui/widget_lookup.h"

namespace zova::ui::test {

// A window of type W, shown and active before each test, with its controls
// found by object name.
template <typename W>
class WindowFixture : public ::testing::Test {
public:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename T>
    T* get(const char* name) {
        return Find<T>(&window, name);
    }

    static QStringList ItemTexts(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }

    W window;
};

}  // namespace zova::ui::test
