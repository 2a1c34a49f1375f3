#include "markup/FeedChecker.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The checker against the reference validator's own test cases: each case
// names one finding the reference expects (or must not make); our rules map
// to the reference's names in data/reference-names.tsv.

namespace {

// Our rule ids and the reference's names for the same finding; a rule of
// ours the reference has no finding for maps to none.
QHash<QString, QStringList> readReferenceNames()
{
    QHash<QString, QStringList> names;
    QFile file(QStringLiteral(TIDREL_TEST_DATA_DIR "/reference-names.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return names;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split('\t');
        names.insert(QString::fromLatin1(fields[0]), QString::fromLatin1(fields.value(1)).split(u' ', Qt::SkipEmptyParts));
    }
    return names;
}

const QHash<QString, QStringList> kReferenceNames = readReferenceNames();

// "Valid..." names without a place say the element in their name.
const QHash<QString, QString> kValidNameElements = {{"ValidHttpGUID", "guid"}, {"ValidTitle", "title"}};

struct Expectation
{
    bool negated = false;
    QString name;
    QHash<QString, QString> place; // parent, element, attr
};

Expectation readExpectation(const QByteArray &bytes)
{
    static const QRegularExpression expect(QStringLiteral("Expect:\\s*(!?)(\\w+)(?:\\{([^}]*)\\})?"));
    const QRegularExpressionMatch match = expect.match(QString::fromUtf8(bytes));
    Expectation expectation;
    if (!match.hasMatch())
        return expectation;
    expectation.negated = !match.captured(1).isEmpty();
    expectation.name = match.captured(2);
    for (const QString &pair : match.captured(3).split(u',', Qt::SkipEmptyParts)) {
        const qsizetype colon = pair.indexOf(u':');
        expectation.place.insert(pair.left(colon), pair.mid(colon + 1));
    }
    return expectation;
}

// Whether our problem stands where the reference puts its finding. The
// reference names an attribute as an element of its element at times
// ("{parent:source,element:url}").
bool atPlace(const CFeedChecker::Problem &problem, const QHash<QString, QString> &place)
{
    const QString element = place.value("element");
    const QString parent = place.value("parent");
    const QString attribute = place.value("attr");
    if (element.isEmpty())
        return true;
    if (!attribute.isEmpty())
        return problem.field == element && problem.attribute == attribute;
    if (problem.field == element)
        return parent.isEmpty() || problem.parent == parent;
    return problem.field == parent && problem.attribute == element;
}

bool reported(const QList<CFeedChecker::Problem> &problems, const Expectation &expectation)
{
    for (const CFeedChecker::Problem &problem : problems) {
        if (expectation.name == QLatin1String("Error") && problem.level() == CFeedRules::Level::Error)
            return true;
        if (kReferenceNames.value(problem.ruleName()).contains(expectation.name) && atPlace(problem, expectation.place))
            return true;
    }
    return false;
}

// A value the reference finds valid: none of our errors or warnings on it.
bool warnedAbout(const QList<CFeedChecker::Problem> &problems, const Expectation &expectation)
{
    QHash<QString, QString> place = expectation.place;
    if (!place.contains("element"))
        place.insert("element", kValidNameElements.value(expectation.name));
    for (const CFeedChecker::Problem &problem : problems) {
        if (problem.level() != CFeedRules::Level::Info && atPlace(problem, place))
            return true;
    }
    return false;
}

bool isMapped(const QString &name)
{
    if (name == QLatin1String("Error") || name.startsWith(QLatin1String("Valid")))
        return true;
    for (const QStringList &names : kReferenceNames) {
        if (names.contains(name))
            return true;
    }
    return false;
}

QString summary(const QList<CFeedChecker::Problem> &problems)
{
    QStringList lines;
    for (const CFeedChecker::Problem &problem : problems)
        lines << QStringLiteral("%1 %2/%3@%4").arg(problem.ruleName(), problem.parent, problem.field, problem.attribute);
    return lines.isEmpty() ? QStringLiteral("nothing") : lines.join(QStringLiteral("; "));
}

} // namespace

class TestFeedConformance : public QObject
{
    Q_OBJECT

private slots:
    void everyRuleHasAnEntry()
    {
        for (const CFeedRules::Rule &rule : CFeedRules::All())
            QVERIFY2(kReferenceNames.contains(QString::fromLatin1(rule.name)), rule.name);
        QCOMPARE(kReferenceNames.size(), CFeedRules::All().size());
    }

    void referenceCases_agreeAtLeast95Percent()
    {
        const QString folder = QStringLiteral(TIDREL_CORPUS_DIR "/validator");
        if (!QFile::exists(folder + "/CLASSES.tsv"))
            QSKIP("The feed corpus is not present");
        const QDateTime now(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
        int counted = 0;
        int unmapped = 0;
        QStringList disagreements;
        QDirIterator files(folder, {"*.xml"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            const Expectation expectation = readExpectation(bytes);
            QVERIFY2(!expectation.name.isEmpty(), qPrintable(path));
            if (!isMapped(expectation.name)) {
                ++unmapped;
                continue;
            }
            ++counted;
            const QList<CFeedChecker::Problem> problems = CFeedChecker::Check(bytes, now);
            const bool agrees = expectation.name.startsWith(QLatin1String("Valid"))
                    ? !warnedAbout(problems, expectation)
                    : reported(problems, expectation) != expectation.negated;
            if (!agrees)
                disagreements << QStringLiteral("%1: expected %2%3, reported %4")
                                         .arg(QDir(folder).relativeFilePath(path),
                                              expectation.negated ? QStringLiteral("!") : QString(), expectation.name,
                                              summary(problems));
        }
        const double agreement = 100.0 * (counted - disagreements.size()) / qMax(counted, 1);
        qInfo("Agreement with the reference cases: %d of %d (%.1f%%); %d cases name a finding we have no rule for",
              counted - int(disagreements.size()), counted, agreement, unmapped);
        for (const QString &line : disagreements)
            qInfo("Disagreement: %s", qPrintable(line));
        QVERIFY(counted > 150);
        QVERIFY2(agreement >= 95.0, qPrintable(QString::number(agreement)));
    }

    // The command line checks a file read into the parser's own buffer,
    // the window the bytes it holds: both find the same problems at the
    // same places, in files that read and files that do not, with white
    // space before the declaration, empty, or missing.
    void checkOfFile_findsWhatTheCheckOfItsBytesFinds()
    {
        const QString corpus = QStringLiteral(TIDREL_CORPUS_DIR);
        if (!QFile::exists(corpus + "/validator/CLASSES.tsv"))
            QSKIP("The feed corpus is not present");
        CFeedChecker::Options options;
        options.now = QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
        options.podcastRules = CFeedChecker::PodcastRules::On;
        const auto checkBothWays = [&](const QString &path, const QByteArray &bytes) {
            QList<CFeedChecker::Problem> fromFile;
            QString error;
            const bool read = CFeedChecker::CheckFile(
                    path, options, [&](const CFeedChecker::Problem &problem) { fromFile.append(problem); }, &error);
            return read && everything(fromFile) == everything(CFeedChecker::Check(bytes, options));
        };
        QTemporaryDir dir;
        int files = 0;
        QDirIterator found(corpus, {"*.xml", "*.rss"}, QDir::Files, QDirIterator::Subdirectories);
        while (found.hasNext()) {
            const QString path = found.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(checkBothWays(path, bytes), qPrintable(path));
            // Parsed from a copy rather than in place.
            const QByteArray indented = "\n  " + bytes;
            QFile copy(dir.filePath(QStringLiteral("indented.xml")));
            QVERIFY(copy.open(QIODevice::WriteOnly | QIODevice::Truncate) && copy.write(indented) == indented.size());
            copy.close();
            QVERIFY2(checkBothWays(copy.fileName(), indented), qPrintable(path));
            ++files;
        }
        QVERIFY(files > 200);
        QFile empty(dir.filePath(QStringLiteral("empty.xml")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        QVERIFY(checkBothWays(empty.fileName(), QByteArray()));
        QString error;
        QVERIFY(!CFeedChecker::CheckFile(dir.filePath(QStringLiteral("missing.xml")), options,
                                         [](const CFeedChecker::Problem &) {}, &error));
        QVERIFY(!error.isEmpty());

        // Large enough for its memory to be made ahead of the reading.
        QByteArray large = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>Cats</title>"
                           "<link>https://cats.example.org/</link><description>Cats</description>\n";
        for (int post = 0; large.size() < (20 << 20); ++post)
            large += "<item><title>Cat " + QByteArray::number(post) + "</title><guid>" + QByteArray::number(post % 5000 + 1000000)
                     + "</guid><description>" + QByteArray(900, 'x') + " &lt;a href=&quot;cat" + QByteArray::number(post)
                     + ".html&quot;&gt;more&lt;/a&gt;</description></item>\n";
        large += "</channel></rss>\n";
        QFile largeFile(dir.filePath(QStringLiteral("large.xml")));
        QVERIFY(largeFile.open(QIODevice::WriteOnly) && largeFile.write(large) == large.size());
        largeFile.close();
        QVERIFY(checkBothWays(largeFile.fileName(), large));
    }

private:
    static QString everything(const QList<CFeedChecker::Problem> &problems)
    {
        QStringList lines;
        for (const CFeedChecker::Problem &problem : problems)
            lines << QStringLiteral("%1:%2 %3 post %4 %5/%6@%7 %8")
                             .arg(problem.line).arg(problem.column).arg(problem.ruleName()).arg(problem.post)
                             .arg(problem.parent, problem.field, problem.attribute, problem.message);
        return lines.join(u'\n');
    }
};

QTEST_GUILESS_MAIN(TestFeedConformance)
#include "tst_feedconformance.moc"
