#pragma once

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace tessaly::test {

// Makes the one QApplication that widgets, image plugins and the event loop
// need, for the whole run of a GoogleTest program. Register it at namespace
// scope of the test file:
//   const auto *const application = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);
class ApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "platform_test";
        static char *argv[] = {name, nullptr};
        m_application = std::make_unique<QApplication>(argc, argv);
    }

    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<QApplication> m_application;
};

} // namespace tessaly::test
