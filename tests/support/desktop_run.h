// Tests on a real desktop: the test executable runs itself again under
// xvfb-run (1920×1200 unless asked otherwise), where the child starts openbox and drives the
// windows; screenshots go to the build folder.
#pragma once

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <string>

namespace cfhx::qt::testing {

// True in the child that runs on the desktop (its environment has `mark`).
inline bool onDesktop(const char* mark) { return qEnvironmentVariable(mark) == QLatin1String("1"); }

// Runs the tests matching `filter` again as the desktop child on a screen
// of `size` and expects them to pass; skips when the desktop tools are
// missing.
inline void runOnDesktop(const char* mark, const char* filter, const char* size = "1920x1200") {
    for (const char* tool : {"xvfb-run", "openbox", "xdotool", "xprop"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            GTEST_SKIP() << "xvfb-run, openbox, xdotool and xprop are needed";
        }
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QString::fromLatin1(mark), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStandardPaths::findExecutable(QStringLiteral("xvfb-run")),
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 %1x24").arg(QLatin1String(size)),
                 QCoreApplication::applicationFilePath(), QStringLiteral("--gtest_filter=") + filter});
    ASSERT_TRUE(child.waitForFinished(180000)) << "the desktop run did not finish";
    const std::string output = child.readAll().toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ]"), std::string::npos) << output;
    EXPECT_EQ(output.find("[  FAILED  ]"), std::string::npos) << output;
}

// What an X tool prints.
inline QString toolOutput(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Lets the window manager and the program catch up.
inline void settle(int ms = 300) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The whole screen as CFHX_BUILD_DIR/<name>.png.
inline void shootScreen(const QString& name) {
    QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral(CFHX_BUILD_DIR "/") + name + ".png");
}

}  // namespace cfhx::qt::testing
