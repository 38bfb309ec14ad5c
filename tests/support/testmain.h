// SPDX-FileCopyrightText: 2026 The Corvane's Cardovia developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The QtTest classes of one tests/<area> folder are one program, which links
// once: `<area>_tests <test> [QtTest's arguments]` runs one of them, named
// by its file (test_frmwar) or its class (WarScreenTest), as its own program
// did. Each file ends with one of these in place of QtTest's QTEST_*MAIN.

#include <QtTest>

namespace testmain {

using Main = int (*)(int argc, char** argv);

// Makes `main` the test's of the file `file` and the class `className`.
bool add(const char* file, const char* className, Main main);

} // namespace testmain

// A test with a main of its own: `function` is it.
#define CARDOVIA_TEST_ENTRY(TestObject, function) \
    namespace { \
    [[maybe_unused]] const bool cardoviaTestAdded##TestObject = testmain::add(__FILE__, #TestObject, function); \
    }

// QtTest's own main, with the application its QTEST_*MAIN makes.
#define CARDOVIA_TEST_WRAPPER(TestObject, ...) \
    namespace { \
    int cardoviaTestMain##TestObject(int argc, char* argv[]) \
    { \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>(); \
        __VA_ARGS__ \
        TestObject tc; \
        QTEST_SET_MAIN_SOURCE_PATH \
        return QTest::qExec(&tc, argc, argv); \
    } \
    } \
    CARDOVIA_TEST_ENTRY(TestObject, cardoviaTestMain##TestObject)

#define CARDOVIA_TEST_MAIN(TestObject) CARDOVIA_TEST_WRAPPER(TestObject, QTEST_MAIN_SETUP())
#define CARDOVIA_TEST_GUILESS_MAIN(TestObject) \
    CARDOVIA_TEST_WRAPPER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
#define CARDOVIA_TEST_APPLESS_MAIN(TestObject) CARDOVIA_TEST_WRAPPER(TestObject)
