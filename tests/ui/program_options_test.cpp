// The two programs answer --help and --version and refuse unknown options before they need a
// display: run as processes with no display at all.
#include <QProcess>
#include <QTest>

#include "command_line.h"
#include "ui_test_registry.h"

namespace {

struct Run {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program with no display: no X, no Wayland, no platform chosen for Qt.
Run RunWithoutDisplay(const QString& program, const QStringList& args) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exit_code = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace

class ProgramOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void Programs_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("name");
        QTest::newRow("rus") << QStringLiteral(RUNEWRIGHT_RUS_PROGRAM)
                             << QStringLiteral("runewright-rus");
        QTest::newRow("eng") << QStringLiteral(RUNEWRIGHT_ENG_PROGRAM)
                             << QStringLiteral("runewright-eng");
    }
    void Programs() {
        QFETCH(QString, program);
        QFETCH(QString, name);
        const QByteArray usage = "usage: " + name.toLatin1() + " [FILE]\n";

        for (const char* help : {"--help", "-h"}) {
            const Run run = RunWithoutDisplay(program, {QLatin1String(help)});
            QCOMPARE(run.exit_code, 0);
            QVERIFY2(run.out.startsWith(usage), run.out.constData());
            QVERIFY(run.err.isEmpty());
        }
        // The version wins over a file that would need a window.
        const Run version = RunWithoutDisplay(program, {QStringLiteral("--version"), "dump.bin"});
        QCOMPARE(version.exit_code, 0);
        QCOMPARE(version.out, name.toLatin1() + " 4.01\n");
        QVERIFY(version.err.isEmpty());

        const Run unknown = RunWithoutDisplay(program, {QStringLiteral("--frobnicate")});
        QCOMPARE(unknown.exit_code, 2);
        QVERIFY(unknown.out.isEmpty());
        QVERIFY2(
            unknown.err.startsWith(name.toLatin1() + ": unknown option --frobnicate\n" + usage),
            unknown.err.constData());

        const Run two = RunWithoutDisplay(program, {"a.bin", "b.bin"});
        QCOMPARE(two.exit_code, 2);
        QVERIFY(two.err.startsWith(name.toLatin1() + ": one FILE at most\n"));

        // After "--" every word is a file name, also for Qt: two of them are one too many.
        const Run after_end = RunWithoutDisplay(
            program, {QStringLiteral("--"), QStringLiteral("-qwindowtitle"), QStringLiteral("X")});
        QCOMPARE(after_end.exit_code, 2);
        QVERIFY2(after_end.err.startsWith(name.toLatin1() + ": one FILE at most\n"),
                 after_end.err.constData());

        // What the command line echoes cannot steer the terminal.
        const Run escape = RunWithoutDisplay(program, {QStringLiteral("-\x1b[2J")});
        QCOMPARE(escape.exit_code, 2);
        QVERIFY(!escape.err.contains('\x1b'));
        QVERIFY(escape.err.contains("unknown option -\\x1b[2J"));
    }
    // Qt parsed the words after "--" as its own options: "-- -reverse" mirrored the window,
    // "-- -stylesheet=FILE" loaded a style sheet.
    void QtSeesOnlyTheWordsBeforeTheEndOfOptions() {
        const char* const with_end[] = {"runewright-rus", "--", "-reverse"};
        QCOMPARE(rw::app::WordsForQt(3, with_end), 1);
        const char* const file_first[] = {"runewright-rus", "d.bin", "--", "-stylesheet=x.qss"};
        QCOMPARE(rw::app::WordsForQt(4, file_first), 2);
        const char* const without_end[] = {"runewright-rus", "d.bin"};
        QCOMPARE(rw::app::WordsForQt(2, without_end), 2);
    }
};

RUNEWRIGHT_UI_TEST(ProgramOptionsTest)
#include "program_options_test.moc"
