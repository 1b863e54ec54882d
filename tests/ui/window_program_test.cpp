// The window's program as a user starts it from a terminal. It is started with posix_spawn:
// QProcess starts it with a clone that qemu, which runs the tests built for the Raspberry
// Pi, refuses.
#include "support/argument_pointers.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

// With no display at all: none named, and no platform chosen that needs none.
Run runWithoutDisplay(const QStringList& arguments) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view variable(*entry);
        const std::string_view name = variable.substr(0, variable.find('='));
        if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM" &&
            name != "XDG_SESSION_TYPE") {
            environment.emplace_back(variable);
        }
    }
    std::vector<std::string> words{WL3_WINDOW_PROGRAM};
    for (const QString& argument : arguments) {
        words.push_back(argument.toStdString());
    }
    std::vector<char*> argv = wl3::test::pointersTo(words);
    std::vector<char*> envp = wl3::test::pointersTo(environment);

    const QTemporaryDir dir;
    const QByteArray out = dir.filePath(QStringLiteral("out")).toLocal8Bit();
    const QByteArray err = dir.filePath(QStringLiteral("err")).toLocal8Bit();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return {};
    }
    return {WEXITSTATUS(status), readText(QString::fromLocal8Bit(out)),
            readText(QString::fromLocal8Bit(err))};
}

} // namespace

class WindowProgramTest : public QObject {
    Q_OBJECT

private slots:
    // The toolkit's options pass the check of the command line, which needs no display.
    void theCommandLineIsAnsweredWithoutADisplay() {
        const Run version = runWithoutDisplay(
            {"-style", "Fusion", "-reverse", "-qwindowgeometry=+0+0", "--version"});
        QCOMPARE(version.status, 0);
        QVERIFY2(version.out.startsWith(QStringLiteral("Wrenlink3Config ")),
                 qPrintable(version.out));

        const Run mistyped = runWithoutDisplay({"--prot", "COM2"});
        QCOMPARE(mistyped.status, 1);
        QVERIFY2(mistyped.err.contains(QStringLiteral("prot")), qPrintable(mistyped.err));
    }

    // Not an abort with advice to reinstall: one line that says what to do instead.
    void withoutADisplayTheWindowSaysWhyInOneLine() {
        const Run run = runWithoutDisplay({"-style", "Fusion"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.count(u'\n'), 1);
        QVERIFY2(run.err.contains(QStringLiteral("desktop session")), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("wl3 works without one")), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(WindowProgramTest)
#include "window_program_test.moc"
