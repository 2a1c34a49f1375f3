
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// tidrel --check FEED... : the real program, with no display at all.
class TestCheckCommand : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int status = -1;
        QStringList lines;
        QString errors;
    };

    static Run run(const QStringList &arguments)
    {
        QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            noDisplay.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(noDisplay);
        program.start(QStringLiteral(TIDREL_PROGRAM), arguments);
        Run result;
        if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
            return result;
        result.status = program.exitCode();
        result.lines = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        result.errors = QString::fromUtf8(program.readAllStandardError());
        return result;
    }

    QTemporaryDir m_dir;

private slots:
    void check_printsProblemsInCompilerFormAndExitStatus()
    {
        const QString good = QStringLiteral(TIDREL_TEST_DATA_DIR "/check/good.xml");
        const QString warned = QStringLiteral(TIDREL_TEST_DATA_DIR "/check/warned.xml");
        const QString bad = QStringLiteral(TIDREL_TEST_DATA_DIR "/check/bad.xml");

        const Run clean = run({"--check", good});
        QCOMPARE(clean.status, 0);
        QCOMPARE(clean.lines, QStringList());

        const Run warnings = run({"--check", warned});
        QCOMPARE(warnings.status, 0);
        QCOMPARE(warnings.lines.size(), 1);
        QVERIFY2(warnings.lines[0].startsWith(warned + ":1:20: warning: "), qPrintable(warnings.lines[0]));
        QVERIFY(warnings.lines[0].endsWith("[atom-self-missing]"));

        const Run errors = run({"--check", good, bad});
        QCOMPARE(errors.status, 1);
        static const QRegularExpression form("^(.+):(\\d+):(\\d+): (error|warning|info): (.+) \\[([a-z0-9-]+)\\]$");
        QStringList rules;
        for (const QString &line : errors.lines) {
            const QRegularExpressionMatch match = form.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            QCOMPARE(match.captured(1), bad);
            rules << match.captured(6);
        }
        QVERIFY2(rules.contains("item-title-or-description"), qPrintable(errors.lines.join('\n')));
        QVERIFY(errors.lines.contains(bad + ":4:3: error: 19 Jul 2006 is a Wed, not a Thu. [date-invalid]"));

        // Far more lines than the output is written in at a time: each of
        // them whole, in file order, the second file's after the first's.
        QFile many(m_dir.filePath("many.xml"));
        QVERIFY(many.open(QIODevice::WriteOnly));
        many.write("<rss version=\"2.0\"><channel><title>t</title><link>https://e.org/</link><description>d</description>\n");
        constexpr int kPosts = 2000;
        for (int post = 0; post < kPosts; ++post)
            many.write("<item><title>Post</title><link>nolink</link></item>\n");
        many.write("</channel></rss>\n");
        many.close();
        const Run lines = run({"--check", many.fileName(), bad});
        QCOMPARE(lines.status, 1);
        QCOMPARE(lines.lines.size(), 1 + 2 * kPosts + errors.lines.size());
        for (int post = 0; post < kPosts; ++post) {
            const QString place = many.fileName() + QStringLiteral(":%1:").arg(post + 2);
            QCOMPARE(lines.lines[1 + 2 * post], place + QStringLiteral("1: warning: The post has no guid, so readers may "
                                                                       "show it again as new after an edit. [guid-missing]"));
            QCOMPARE(lines.lines[2 + 2 * post], place + QStringLiteral("26: error: Not a full address; write it with its "
                                                                       "scheme and host, as \"https://example.org/page\". "
                                                                       "[url-not-absolute]"));
        }
        QCOMPARE(lines.lines.mid(1 + 2 * kPosts), errors.lines);

        const Run missing = run({"--check", bad, m_dir.filePath("none.xml")});
        QCOMPARE(missing.status, 2);
        QVERIFY2(missing.errors.contains(m_dir.filePath("none.xml") + ": error: cannot read the file"), qPrintable(missing.errors));

        // Regression: with no file it printed nothing and exited with 0.
        const Run nothing = run({"--check"});
        QCOMPARE(nothing.status, 2);
        QCOMPARE(nothing.lines, QStringList());
        QCOMPARE(nothing.errors, QStringLiteral("Usage: tidrel --check [--podcast] FEED...\n"));

        const Run help = run({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.lines.join('\n').contains("--check"));
        QVERIFY(help.lines.join('\n').contains("--podcast"));
    }

    // --check --podcast adds the podcast directories' rules to the rest,
    // whether or not the feed declares a podcast namespace.
    void checkPodcast_addsTheDirectoriesRules()
    {
        const QString blog = QStringLiteral(TIDREL_TEST_DATA_DIR "/check/blog.xml");
        const QString show = QStringLiteral(TIDREL_TEST_DATA_DIR "/check/show.xml");
        QCOMPARE(run({"--check", blog}).status, 0);

        const auto rules = [](const Run &run) {
            static const QRegularExpression id(" \\[([a-z0-9-]+)\\]$");
            QStringList ids;
            for (const QString &line : run.lines)
                ids << id.match(line).captured(1);
            return ids;
        };
        const Run podcast = run({"--check", "--podcast", blog, show});
        QCOMPARE(podcast.status, 1);
        QCOMPARE(rules(podcast), QStringList({"podcast-image-missing", "podcast-language-missing", "podcast-category-missing",
                                              "podcast-explicit-missing", "podcast-locked-missing", "podcast-guid-missing",
                                              "podcast-enclosure-missing",
                                              "podcast-self-link-missing", "podcast-image-missing", "podcast-language-missing",
                                              "podcast-category-missing", "podcast-explicit-missing", "podcast-locked-missing",
                                              "podcast-guid-missing", "podcast-value"}));
        QVERIFY2(podcast.lines.last().startsWith(show + ":3:1: error: \"radio\" is not one of podcast, music"),
                 qPrintable(podcast.lines.last()));

        const Run alone = run({"--podcast", show});
        QCOMPARE(alone.status, 2);
        QCOMPARE(alone.errors, QStringLiteral("Usage: tidrel --check [--podcast] FEED...\n"));
    }
};

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
