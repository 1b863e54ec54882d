// The window's program as a user starts it from a terminal.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// With no display at all: none named, and no platform chosen that needs none.
Run runWithoutDisplay(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(WL3_WINDOW_PROGRAM), arguments);
    if (!program.waitForFinished(-1) || program.exitStatus() != QProcess::NormalExit) {
        return {};
    }
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
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
