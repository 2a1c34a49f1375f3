// Where the fields of the properties pages find and put their values among
// a feed's elements: made when missing, removed when emptied, and whatever
// else the elements hold left as it was.

#include "document/FieldPath.h"

#include <QtTest>

namespace {

FeedElement element(const QString &name, const QString &text = QString(),
                    QList<QPair<QString, QString>> attributes = {}, std::vector<FeedElement> children = {})
{
    return FeedElement{name, std::move(attributes), text, std::move(children)};
}

} // namespace

class TestFieldPath : public QObject
{
    Q_OBJECT

private slots:
    void childText_madeKeptAndRemovedWithLastChild();
    void selector_picksItsElementAndLeavesOthers();
    void attributeOfChild_nestedCategory();
};

void TestFieldPath::childText_madeKeptAndRemovedWithLastChild()
{
    const CFieldPath url(QStringLiteral("image"), QStringLiteral("url"));
    const CFieldPath title(QStringLiteral("image"), QStringLiteral("title"));
    std::vector<FeedElement> images = url.withValue({}, QStringLiteral("http://example.org/a.png"));
    QCOMPARE(images.size(), size_t(1));
    QCOMPARE(images[0].name, QStringLiteral("image"));
    QCOMPARE(url.valueOf(images), QStringLiteral("http://example.org/a.png"));

    images = title.withValue(images, QStringLiteral("A"));
    images = url.withValue(images, QString());
    // The title keeps the image.
    QCOMPARE(images.size(), size_t(1));
    QCOMPARE(url.valueOf(images), QString());
    QCOMPARE(title.valueOf(images), QStringLiteral("A"));
    // Emptied, the image goes; clearing what is missing makes nothing.
    QVERIFY(title.withValue(images, QString()).empty());
    QVERIFY(title.withValue({}, QString()).empty());
    QCOMPARE(CFieldPath(QStringLiteral("ttl")).withValue({element(QStringLiteral("ttl"), QStringLiteral("60"))},
                                                           QStringLiteral("90"))[0].text,
             QStringLiteral("90"));
}

void TestFieldPath::selector_picksItsElementAndLeavesOthers()
{
    CFieldPath self(QStringLiteral("atom:link"), QString(), QStringLiteral("href"));
    self.where(QStringLiteral("rel"), QStringLiteral("self"));
    const std::vector<FeedElement> links = {
        element(QStringLiteral("atom:link"), {}, {{QStringLiteral("rel"), QStringLiteral("hub")}, {QStringLiteral("href"), QStringLiteral("http://hub.example.org/")}}),
    };
    QCOMPARE(self.valueOf(links), QString());

    std::vector<FeedElement> changed = self.withValue(links, QStringLiteral("http://example.org/feed.xml"));
    QCOMPARE(changed.size(), size_t(2));
    QCOMPARE(changed[0], links[0]);
    QCOMPARE(changed[1].attribute(QStringLiteral("rel")), QStringLiteral("self"));
    QCOMPARE(self.valueOf(changed), QStringLiteral("http://example.org/feed.xml"));

    // A type beside the address does not keep a cleared self link.
    changed[1].setAttribute(QStringLiteral("type"), QStringLiteral("application/rss+xml"));
    changed = self.withValue(changed, QString());
    QCOMPARE(changed.size(), size_t(1));
    QCOMPARE(changed[0], links[0]);
}

void TestFieldPath::attributeOfChild_nestedCategory()
{
    const QString name = QStringLiteral("itunes:category");
    const QString text = QStringLiteral("text");
    const CFieldPath top(name, QString(), text);
    const CFieldPath sub(name, name, text);
    FeedElement category = element(name, {}, {{text, QStringLiteral("Technology")}});
    sub.setValueIn(category, QStringLiteral("Podcasting"));
    QCOMPARE(sub.valueIn(category), QStringLiteral("Podcasting"));
    QCOMPARE(top.valueIn(category), QStringLiteral("Technology"));
    QCOMPARE(category.children.size(), size_t(1));
    sub.setValueIn(category, QStringLiteral("Gadgets"));
    QCOMPARE(category.children.size(), size_t(1));
    sub.setValueIn(category, QString());
    QVERIFY(category.children.empty());
    QCOMPARE(sub.key(), QStringLiteral("itunes:category/itunes:category@text"));
}

QTEST_GUILESS_MAIN(TestFieldPath)
#include "tst_fieldpath.moc"
