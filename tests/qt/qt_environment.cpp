// One QApplication for all tests of this executable, on the offscreen
// platform unless a platform was chosen.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/qt/look.h"

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = new QApplication(argc_, argv_);
        QApplication::setQuitOnLastWindowClosed(false);
        QApplication::setFont(cfhx::qt::controlFont());
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[16] = "cfhx_qt_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
