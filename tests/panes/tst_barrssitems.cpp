#include "WindowTestSupport.h"

#include "core/PubDate.h"
#include "commands/PostCommands.h"
#include "panes/BarRssItems.h"
#include "panes/PostRowDelegate.h"
#include "panes/PostsListCtrl.h"
#include "panes/PostsModel.h"

#include <QStyledItemDelegate>
#include <QClipboard>
#include <QHeaderView>
#include <QLocale>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolTip>

namespace {

const QStringList kFivePosts{"Post 1", "Post 2", "Post 3", "Post 4", "Post 5"};

// A document on a feed file with its commands and the posts bar; what the
// bar asks for is recorded.
class PostsBar
{
public:
    explicit PostsBar(const QList<TestPost> &posts)
    {
        path = m_dir.filePath(QStringLiteral("feed.xml"));
        QVERIFY(writeFeed(path, posts));
        doc.setPrompter(&prompter);
        bar = std::make_unique<CBarRssItems>(QStringLiteral("RSS Items"), &doc);
        bar->setPostCommands(&commands);
        QObject::connect(doc.selection(), &CPostSelection::changed, bar.get(), [this](int post) { selections.append(post); });
        QObject::connect(&doc, &CRSSEditDoc::postFieldChanged, bar.get(), [this](int post, CRSSEditDoc::PostField field) {
            if (field == CRSSEditDoc::PostTitle)
                titleChanges.append(post);
        });
        QObject::connect(bar.get(), &CBarRssItems::sortOrderChanged, [this] { ++sorts; });
        QObject::connect(bar.get(), &CBarRssItems::editorFocusRequested, [this] { ++focusRequests; });
        bar->resize(520, 400);
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
        QVERIFY(doc.OnOpenDocument(path));
    }

    // As the feed window routes a command: the bar first.
    bool command(int id) { return bar->OnCommand(id) || commands.OnCommand(id); }
    void select(int post) { QVERIFY(doc.selection()->select(post)); }
    bool filterChecked() const
    {
        CommandState state;
        return bar->OnUpdateCommand(ID_FILTERING, &state) && state.checked;
    }
    void clearNotes()
    {
        selections.clear();
    }

    CPostsListCtrl *list() const { return bar->listCtrl(); }
    CPostsModel *model() const { return bar->postsModel(); }

    QStringList rowTitles() const
    {
        QStringList titles;
        for (int row = 0; row < model()->rowCount(); ++row)
            titles.append(model()->index(row, CPostsModel::TitleColumn).data().toString());
        return titles;
    }

    int currentPost() const { return model()->postAt(list()->currentIndex().row()); }
    CPostOrder::SortOrder sortOrder() const { return model()->order().sortOrder(); }

    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex &index : list()->selectionModel()->selectedRows())
            rows.append(index.row());
        return rows;
    }

    void clickColumn(int column)
    {
        QHeaderView *header = list()->header();
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    }

    QPlainTextEdit *renameEditor() const { return list()->viewport()->findChild<QPlainTextEdit *>(); }

    QString path;
    FakeShellServices prompter;
    CRSSEditDoc doc;
    CPostCommands commands{&doc};
    std::unique_ptr<CBarRssItems> bar;
    QList<int> selections; // the selection's changes, -1 for none
    QList<int> titleChanges;
    int sorts = 0;
    int focusRequests = 0;

private:
    QTemporaryDir m_dir;
};

QColor pixelAt(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y).toRgb();
}

} // namespace

class TestBarRssItems : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void feedReset_fillsRowsWithTipsAndShowsFirstPostAtOnce()
    {
        PostsBar f(postsTitled(kFivePosts));
        QCOMPARE(f.rowTitles(), kFivePosts);
        // Dates show in the user's locale.
        const auto shown = [](const char *date) {
            return QLocale().toString(PubDate::ParsePubDate(QString::fromLatin1(date)), QLocale::ShortFormat);
        };
        QCOMPARE(f.model()->index(2, CPostsModel::DateColumn).data().toString(), shown("03 Mar 2026 09:00:00 GMT"));
        QCOMPARE(f.bar->windowTitle(), QStringLiteral("RSS Items [5]"));
        // Selected before any timer could run.
        QCOMPARE(f.selections, QList<int>{0});
        QCOMPARE(f.doc.currentPost(), 0);
        QCOMPARE(f.selectedRows(), QList<int>{0});

        QCOMPARE(f.model()->tipTitle(1), QStringLiteral("Post 2 [%1]").arg(shown("02 Mar 2026 09:00:00 GMT")));
        QCOMPARE(f.model()->tipText(1), QStringLiteral("Text of Post 2\r\n\r\nhttp://example.org/1.html"));
        const QString tooltip = f.model()->index(1, CPostsModel::DateColumn).data(Qt::ToolTipRole).toString();
        QVERIFY(tooltip.contains(QStringLiteral("Post 2 [%1]").arg(shown("02 Mar 2026 09:00:00 GMT"))));
        QVERIFY(tooltip.contains(QStringLiteral("http://example.org/1.html")));
    }
    void emptyFeed_showsEmptyTextAndZeroCaption()
    {
        PostsBar f({});
        QCOMPARE(f.model()->rowCount(), 0);
        QCOMPARE(f.bar->windowTitle(), QStringLiteral("RSS Items [0]"));
        QCOMPARE(f.list()->emptyText(), QStringLiteral("RSS Items"));
        QCOMPARE(f.selections, QList<int>());
        CommandState copyTitle;
        QVERIFY(f.bar->OnUpdateCommand(ID_COPY_TITLE, &copyTitle));
        QVERIFY(!copyTitle.enabled);

        const QImage image = f.list()->viewport()->grab().toImage();
        const QColor base = f.list()->palette().color(QPalette::Base).toRgb();
        // Text in the middle, nothing in the corners.
        const QImage middle = image.copy(image.width() / 4, image.height() / 2 - 10, image.width() / 2, 21);
        QImage blank(middle.size(), middle.format());
        blank.fill(base);
        QVERIFY(middle != blank);
        QCOMPARE(pixelAt(image, 3, 3), base);
        QCOMPARE(pixelAt(image, image.width() - 4, image.height() - 4), base);
    }
    // Regression: a long title sized the Posts column past the list's edge and
    // pushed the dates out of sight.
    void longTitles_leaveDateColumnInSight()
    {
        PostsBar f(postsTitled({"A title far too long for a narrow list, about Python, sed, awk, cut and Perl "
                                "and everything else a sysadmin would ever want to say",
                                "Short"}));
        f.bar->resize(480, 300);
        CPostsListCtrl *list = f.list();
        QTRY_COMPARE(list->columnWidth(0) + list->columnWidth(1), list->viewport()->width());
        const QString date = f.model()->index(1, CPostsModel::DateColumn).data().toString();
        QVERIFY(list->columnWidth(1) > list->fontMetrics().horizontalAdvance(date));
        QVERIFY(list->columnWidth(0) >= list->viewport()->width() / 2);
    }
    // The widths measured for the contents are kept across resizes, but not
    // once a title changes: the next resize fits the new title.
    void resizeAfterRename_fitsTheNewTitle()
    {
        PostsBar f(postsTitled({"Short", "Tiny"}));
        CPostsListCtrl *list = f.list();
        const int before = list->columnWidth(0);
        f.doc.SetPostField(0, CRSSEditDoc::PostTitle, QStringLiteral("A longer title that needs more room than the heading"));
        f.bar->resize(f.bar->width() + 20, f.bar->height());
        QTRY_VERIFY(list->columnWidth(0) > before);
        const QAbstractItemView *view = list;
        QCOMPARE(list->columnWidth(0), qMax(view->sizeHintForColumn(0), list->header()->sectionSizeHint(0)));
    }

    // Titles that begin with the show's name as the ones beside them do show
    // what follows it where the cell is too short for the whole; once they
    // share nothing, they are shown whole again. The tooltip has the whole
    // title. A date too long for its cell is shown without its time.
    void shortCells_showWhatTellsPostsApart()
    {
        const QString mailbag = QStringLiteral("Giant Bombcast 603: The Mailbag Episode");
        PostsBar f(postsTitled({mailbag, "Giant Bombcast 602: On the Road Again"}));
        struct Delegate : CPostRowDelegate
        {
            using CPostRowDelegate::initStyleOption;
        } delegate;
        const auto shown = [&](int width, int column = CPostsModel::TitleColumn) {
            QStyleOptionViewItem option;
            option.widget = f.list();
            option.font = f.list()->font();
            option.fontMetrics = f.list()->fontMetrics();
            option.rect = QRect(0, 0, width, 20);
            delegate.initStyleOption(&option, f.model()->index(0, column));
            return option.text;
        };
        QCOMPARE(f.model()->index(0, CPostsModel::TitleColumn).data(CPostsModel::SharedTitleStartRole).toInt(),
                 int(QStringLiteral("Giant Bombcast ").size()));
        QCOMPARE(shown(2000), mailbag);
        QCOMPARE(shown(120), QStringLiteral("\u2026603: The Mailbag Episode"));
        // In a list squeezed beside another window the mark would leave no
        // room for the episode's number.
        QCOMPARE(shown(40), QStringLiteral("603: The Mailbag Episode"));
        QVERIFY(f.model()->index(0, CPostsModel::TitleColumn).data(Qt::ToolTipRole).toString().contains(mailbag));

        QVERIFY(f.model()->setData(f.model()->index(1, CPostsModel::TitleColumn), QStringLiteral("Road trip")));
        QCOMPARE(f.model()->index(0, CPostsModel::TitleColumn).data(CPostsModel::SharedTitleStartRole).toInt(), 0);
        QCOMPARE(shown(120), mailbag);

        const QDateTime date = PubDate::ParsePubDateOr(f.doc.feed()->GetPostPubDate(0), QDateTime());
        QCOMPARE(shown(2000, CPostsModel::DateColumn), CPostsModel::localDate(date));
        QCOMPARE(shown(60, CPostsModel::DateColumn), QLocale().toString(date.date(), QLocale::ShortFormat));
    }

    // A title that runs the other way from the window is laid out in its
    // own direction, so that a cut one ends in "…" at its own end.
    void titlesOfTheOtherDirection_keepTheirOwn()
    {
        PostsBar f(postsTitled({"What Is KDE Neon? | LAS 409", "\u0645\u0627 \u0647\u0648 KDE\u061F"}));
        struct Delegate : CPostRowDelegate
        {
            using CPostRowDelegate::initStyleOption;
        } delegate;
        const auto shown = [&](int row, Qt::LayoutDirection direction) {
            QStyleOptionViewItem option;
            option.direction = direction;
            delegate.initStyleOption(&option, f.model()->index(row, CPostsModel::TitleColumn));
            return option.text;
        };
        const QString english = f.model()->index(0, CPostsModel::TitleColumn).data().toString();
        const QString arabic = f.model()->index(1, CPostsModel::TitleColumn).data().toString();
        QCOMPARE(shown(0, Qt::LeftToRight), english);
        QCOMPARE(shown(0, Qt::RightToLeft), QChar(0x202A) + english);
        QCOMPARE(shown(1, Qt::LeftToRight), QChar(0x202B) + arabic);
        QCOMPARE(shown(1, Qt::RightToLeft), arabic);
    }

    void rename_escapeKeepsTitleAndReturnStoresIt()
    {
        PostsBar f(postsTitled(kFivePosts));
        // Regression: a click on the selected row opened the rename.
        f.list()->setFocus();
        const QRect second = f.list()->visualRect(f.model()->index(1, 0));
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, second.center());
        QTRY_COMPARE(f.doc.currentPost(), 1);
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, second.center(), QApplication::doubleClickInterval() + 50);
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(!f.list()->isRenaming());

        // Regression: a rename left as it was stamped a new date.
        QTest::keyClick(f.list(), Qt::Key_F2);
        QVERIFY(f.list()->isRenaming());
        QTest::keyClick(f.renameEditor(), Qt::Key_Return);
        QVERIFY(!f.list()->isRenaming());
        QCOMPARE(f.doc.feed()->GetPostTitle(1), QStringLiteral("Post 2"));
        QCOMPARE(f.doc.feed()->GetPostPubDate(1), QStringLiteral("02 Mar 2026 09:00:00 GMT"));
        QVERIFY(!f.doc.IsModified());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.titleChanges, QList<int>());

        QVERIFY(f.command(ID_POST_RENAME));
        QTest::keyClicks(f.renameEditor(), QStringLiteral("Dropped"));
        QTest::keyClick(f.renameEditor(), Qt::Key_Escape);
        QVERIFY(!f.list()->isRenaming());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.doc.feed()->GetPostTitle(1), QStringLiteral("Post 2"));
        QVERIFY(!f.doc.IsModified());
        QCOMPARE(f.titleChanges, QList<int>());

        f.select(2);
        f.clearNotes();
        QVERIFY(f.command(ID_POST_RENAME));
        QVERIFY(f.list()->isRenaming());
        QPlainTextEdit *editor = f.renameEditor();
        QVERIFY(editor);
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("Post 3"));
        QCOMPARE(QFontInfo(editor->font()).pixelSize(), QFontInfo(f.list()->font()).pixelSize() * 3 / 2);
        QCOMPARE(editor->height(), f.list()->visualRect(f.model()->index(2, 0)).height() * 2);
        QCOMPARE(editor->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(editor->palette().color(QPalette::Base), QToolTip::palette().color(QPalette::ToolTipBase));

        QTest::keyClicks(editor, QStringLiteral("Renamed"));
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!f.list()->isRenaming());
        QCOMPARE(f.doc.feed()->GetPostTitle(2), QStringLiteral("Renamed"));
        QCOMPARE(f.rowTitles().at(2), QStringLiteral("Renamed"));
        QVERIFY(f.doc.IsModified());
        QTRY_COMPARE(f.titleChanges, QList<int>{2});
    }
    void columnClick_sortsOneWayAndKeepsSelection()
    {
        QList<TestPost> posts = postsTitled({"b", "B", "a"});
        std::swap(posts[1].pubDate, posts[2].pubDate);
        PostsBar f(posts);
        f.select(2);
        f.clearNotes();

        f.clickColumn(CPostsModel::DateColumn);
        QCOMPARE(f.sortOrder(), CPostOrder::SortByDate);
        QCOMPARE(f.rowTitles(), (QStringList{"B", "a", "b"}));
        QCOMPARE(f.currentPost(), 2);

        f.clickColumn(CPostsModel::DateColumn);
        QCOMPARE(f.rowTitles(), (QStringList{"B", "a", "b"}));
        // Announced each time, so the bar sorted again.
        QCOMPARE(f.sorts, 2);

        // Letter case aside; b and B keep their feed order.
        f.clickColumn(CPostsModel::TitleColumn);
        QCOMPARE(f.sortOrder(), CPostOrder::SortByTitle);
        QCOMPARE(f.rowTitles(), (QStringList{"a", "b", "B"}));
        QCOMPARE(f.currentPost(), 2);
        QCOMPARE(f.selectedRows(), QList<int>{0});
        QVERIFY(!f.list()->header()->isSortIndicatorShown());

        // From the menu only a change of order sorts.
        f.sorts = 0;
        QVERIFY(f.command(ID_SORT_BY_TITLE));
        QCOMPARE(f.sorts, 0);
        QVERIFY(f.command(ID_SORT_BY_POSITION));
        QCOMPARE(f.sorts, 1);
        QCOMPARE(f.rowTitles(), (QStringList{"b", "B", "a"}));
    }

    // Regression: an unreadable date sorted as "now", above every real date.
    void unreadableDate_sortsLastAndShowsMarked()
    {
        QList<TestPost> posts = postsTitled({"x", "y", "z"});
        posts[1].pubDate = QStringLiteral("sometime soon");
        PostsBar f(posts);
        f.clickColumn(CPostsModel::DateColumn);
        QCOMPARE(f.rowTitles(), (QStringList{"z", "x", "y"}));
        const QModelIndex unreadable = f.model()->index(2, CPostsModel::DateColumn);
        QCOMPARE(unreadable.data().toString(), QStringLiteral("sometime soon"));
        QVERIFY(!unreadable.data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(unreadable.data(Qt::FontRole).value<QFont>().italic());
        const QModelIndex readable = f.model()->index(0, CPostsModel::DateColumn);
        QVERIFY(readable.data(Qt::DecorationRole).isNull());
        QVERIFY(readable.data(Qt::FontRole).isNull());

        // The rows measure as the style measures them, the mark of the
        // unreadable date too: the columns fit them.
        QStyledItemDelegate *delegate = qobject_cast<QStyledItemDelegate *>(f.list()->itemDelegate());
        QStyleOptionViewItem option;
        option.initFrom(f.list());
        option.widget = f.list();
        const int iconSize = f.list()->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, f.list());
        option.decorationSize = QSize(iconSize, iconSize);
        for (int row = 0; row < f.model()->rowCount(); ++row) {
            for (int column : {CPostsModel::TitleColumn, CPostsModel::DateColumn}) {
                const QModelIndex cell = f.model()->index(row, column);
                QCOMPARE(delegate->sizeHint(option, cell).width(), delegate->QStyledItemDelegate::sizeHint(option, cell).width());
            }
        }
    }

    void filterTyping_filtersOnceWithMatchesInSortOrder()
    {
        PostsBar f(postsTitled({"Zabc last but first", "ABC news today", "a b c spaced", "Other", "the xabcx post"}));
        f.command(ID_SORT_BY_TITLE);
        QVERIFY(f.command(ID_FILTERING));
        QLineEdit *box = f.bar->filterBox();
        QVERIFY(box);
        QVERIFY(f.filterChecked());
        f.clearNotes();

        QTest::keyClicks(box, QStringLiteral(" ABC "));
        QCOMPARE(box->text(), QStringLiteral(" abc "));
        QCOMPARE(f.model()->rowCount(), 5);
        QTRY_COMPARE(f.rowTitles(), (QStringList{"ABC news today", "the xabcx post", "Zabc last but first"}));
        // Applied once: row 0's post shown at once.
        QCOMPARE(f.selections, QList<int>{1});
        QCOMPARE(f.bar->windowTitle(), QStringLiteral("RSS Items [3 of 5]"));
        QVERIFY(box->palette().color(QPalette::Text) != QColor(255, 0, 0));

        f.clickColumn(CPostsModel::DateColumn);
        QCOMPARE(f.rowTitles(), (QStringList{"the xabcx post", "ABC news today", "Zabc last but first"}));
    }
    // Regression: a key typed while a filter was still finding its matches
    // let that filter go on, adding rows and counting its matches found so
    // far in the caption.
    void filterTypedWhileTheLastRuns_listsOnlyTheNewTextsRows()
    {
        QStringList titles;
        for (int i = 1; i <= 120; ++i)
            titles.append(QStringLiteral("Post %1").arg(i));
        PostsBar f(postsTitled(titles));
        f.command(ID_FILTERING);
        QLineEdit *box = f.bar->filterBox();
        QSignalSpy added(f.model(), &QAbstractItemModel::rowsInserted);
        QStringList captions;
        QObject::connect(f.bar.get(), &QWidget::windowTitleChanged, box, [&](const QString &title) { captions.append(title); });
        int firstRows = -1;
        // The next key comes as the first screenful shows.
        QObject::connect(f.model(), &QAbstractItemModel::modelReset, box, [&] {
            if (firstRows >= 0)
                return;
            firstRows = f.model()->rowCount();
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClicks(box, QStringLiteral("7"));
        });
        QTest::keyClicks(box, QStringLiteral("post "));
        QTRY_VERIFY(firstRows >= 0);
        QVERIFY(firstRows < 120);
        const QStringList sevens{"Post 7", "Post 70", "Post 71", "Post 72", "Post 73", "Post 74",
                                 "Post 75", "Post 76", "Post 77", "Post 78", "Post 79"};
        QTRY_COMPARE(f.rowTitles(), sevens);
        QCOMPARE(added.count(), 0);
        QCOMPARE(captions, QStringList{"RSS Items [11 of 120]"});
        QCOMPARE(f.doc.currentPost(), 6);
    }

    // No match empties the list and turns the text red. Escape clears the
    // text first, then closes the box; the Filtering command closes it at
    // once. Either way every post is back, in the sort order, and the post
    // picked while filtering stays picked.
    void filter_noMatchTurnsRedClosingKeepsSortOrderAndPostAddShowsAll()
    {
        const QStringList byDate{"Post 5", "Post 4", "Post 3", "Post 2", "Post 1"};
        PostsBar f(postsTitled(kFivePosts));
        f.command(ID_SORT_BY_DATE);
        f.command(ID_FILTERING);
        QLineEdit *box = f.bar->filterBox();
        QTest::keyClicks(box, QStringLiteral("zzz"));
        QTRY_COMPARE(f.model()->rowCount(), 0);
        QCOMPARE(box->palette().color(QPalette::Text), QColor(255, 0, 0));
        // With no row there is no selected post for the editor to show, and
        // none to rename or delete.
        QCOMPARE(f.doc.currentPost(), -1);
        QCOMPARE(f.selectedRows(), QList<int>());
        for (int id : {ID_POST_RENAME, ID_POST_DELETE}) {
            CommandState state;
            QVERIFY(f.bar->OnUpdateCommand(id, &state) || f.commands.OnUpdateCommand(id, &state));
            QVERIFY(!state.enabled);
        }
        box->clear();
        QTRY_COMPARE(f.model()->rowCount(), 5);
        QVERIFY(box->palette().color(QPalette::Text) != QColor(255, 0, 0));

        QTest::keyClicks(box, QStringLiteral("post"));
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(box->text(), QString());
        QCOMPARE(f.bar->filterBox(), box);
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_VERIFY(!f.bar->filterBox());
        QVERIFY(!f.filterChecked());
        QCOMPARE(f.rowTitles(), byDate);
        QCOMPARE(f.bar->windowTitle(), QStringLiteral("RSS Items [5]"));

        // Regression: closing the box listed the posts in feed order under a
        // checked Sort By Date, and jumped to the first row.
        f.command(ID_FILTERING);
        QTest::keyClicks(f.bar->filterBox(), QStringLiteral("4"));
        QTRY_COMPARE(f.rowTitles(), QStringList{"Post 4"});
        QCOMPARE(f.bar->windowTitle(), QStringLiteral("RSS Items [1 of 5]"));
        QCOMPARE(f.doc.currentPost(), 3);
        f.clearNotes();
        f.command(ID_FILTERING);
        QVERIFY(!f.bar->filterBox());
        QCOMPARE(f.sortOrder(), CPostOrder::SortByDate);
        QCOMPARE(f.rowTitles(), byDate);
        QCOMPARE(f.selections, QList<int>());
        QCOMPARE(f.doc.currentPost(), 3);
        QCOMPARE(f.currentPost(), 3);
        QCOMPARE(f.selectedRows(), QList<int>{1});

        // A row picked in the filtered list is shown once the box closes.
        f.command(ID_FILTERING);
        QTest::keyClicks(f.bar->filterBox(), QStringLiteral("post"));
        QTRY_COMPARE(f.model()->rowCount(), 5);
        QTRY_COMPARE(f.doc.currentPost(), 4);
        f.list()->selectRow(3);
        f.command(ID_FILTERING);
        QCOMPARE(f.doc.currentPost(), 1);
        QCOMPARE(f.selectedRows(), QList<int>{3});

        // A post added while filtering shows every row and opens its rename.
        f.command(ID_FILTERING);
        QTest::keyClicks(f.bar->filterBox(), QStringLiteral("3"));
        QTRY_COMPARE(f.rowTitles(), QStringList{"Post 3"});
        f.clearNotes();
        QVERIFY(f.command(ID_POST_ADD));
        QCOMPARE(f.model()->rowCount(), 6);
        QCOMPARE(f.currentPost(), 0);
        QCOMPARE(f.bar->windowTitle(), QStringLiteral("RSS Items [6]"));
        QVERIFY(f.list()->isRenaming());
        QCOMPARE(f.selections, QList<int>{0});
    }

    void keys_arrowsReportWhereTheUserStops_returnAndDoubleClickFocusEditor()
    {
        PostsBar f(postsTitled(kFivePosts));
        f.clearNotes();
        f.list()->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f.list(), Qt::Key_Down);
        QCOMPARE(f.selections, QList<int>());
        QTRY_COMPARE(f.selections, QList<int>{3});
        QCOMPARE(f.doc.currentPost(), 3);

        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(f.focusRequests, 1);
        // Tab is the window's: it goes on to the next pane in order.
        QTest::keyClick(f.list(), Qt::Key_Tab);
        QCOMPARE(f.focusRequests, 1);
        const QRect row = f.list()->visualRect(f.model()->index(3, 0));
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(f.list()->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(f.focusRequests, 2);

        // Return while renaming belongs to the rename.
        f.command(ID_POST_RENAME);
        QTest::keyClick(f.renameEditor(), Qt::Key_Return);
        QCOMPARE(f.focusRequests, 2);

        // The filter box hands the list's moving keys to the list and keeps
        // the focus; the post stopped on is shown.
        f.command(ID_FILTERING);
        QLineEdit *box = f.bar->filterBox();
        QTRY_COMPARE(QApplication::focusWidget(), box);
        f.selections.clear();
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(f.list()->currentIndex().row(), 4);
        QCOMPARE(QApplication::focusWidget(), box);
        QTRY_COMPARE(f.selections, QList<int>{4});
        QTest::keyClick(box, Qt::Key_PageUp);
        QCOMPARE(f.list()->currentIndex().row(), 0);
        QCOMPARE(box->text(), QString());
    }
    void deleteAndReload_rebuildRowsInSortOrderAndMarkCurrentPost()
    {
        PostsBar f(postsTitled(kFivePosts));
        f.command(ID_SORT_BY_DATE);
        f.select(2);
        QCOMPARE(f.selectedRows(), QList<int>{2});
        // The Delete key asks as the command does.
        f.prompter.confirmAnswer = false;
        QTest::keyClick(f.list(), Qt::Key_Delete);
        QCOMPARE(f.prompter.questions, QStringList{QStringLiteral("Delete this post?\n\n\"Post 3\"")});
        QCOMPARE(f.model()->rowCount(), 5);

        f.prompter.confirmAnswer = true;
        QTest::keyClick(f.list(), Qt::Key_Delete);
        QCOMPARE(f.rowTitles(), (QStringList{"Post 5", "Post 4", "Post 2", "Post 1"}));
        QCOMPARE(f.bar->windowTitle(), QStringLiteral("RSS Items [4]"));
        // The post that moved into the gap is current and its row marked.
        QCOMPARE(f.doc.currentPost(), 2);
        QCOMPARE(f.currentPost(), 2);

        // A selection made elsewhere, or a reload, marks the selected post's
        // row; the bar selects nothing more.
        f.clearNotes();
        f.select(1); // rows: posts 3, 2, 1, 0
        QCOMPARE(f.currentPost(), 1);
        QCOMPARE(f.selectedRows(), QList<int>{2});
        QCOMPARE(f.selections, QList<int>{1});
        QVERIFY(writeFeed(f.path, postsTitled(kFivePosts.mid(0, 3))));

        QVERIFY(f.command(ID_POST_RELOAD));
        QCOMPARE(f.rowTitles(), (QStringList{"Post 3", "Post 2", "Post 1"}));
        QCOMPARE(f.bar->windowTitle(), QStringLiteral("RSS Items [3]"));
        QCOMPARE(f.doc.currentPost(), 1);
        QCOMPARE(f.currentPost(), 1);
        QCOMPARE(f.selectedRows(), QList<int>{1});
    }
    void contextMenusAndCopyTitle_copyCurrentTitle()
    {
        QMenu posts;
        for (int id : {int(ID_POST_ADD), int(ID_POST_RENAME), 0, int(ID_SORT_BY_POSITION), int(ID_SORT_BY_TITLE),
                       int(ID_SORT_BY_DATE), 0, int(ID_FILTERING)}) {
            QAction *action = id ? posts.addAction(QString::number(id)) : posts.addSeparator();
            action->setData(id);
        }
        PostsBar f(postsTitled(kFivePosts));
        f.bar->setMenuActions(posts.actions());

        const auto commandsOf = [](QMenu *menu) {
            QList<int> ids;
            for (QAction *action : menu->actions())
                ids.append(action->data().toInt());
            return ids;
        };
        std::unique_ptr<QMenu> rowMenu(f.bar->createRowMenu());
        QCOMPARE(commandsOf(rowMenu.get()),
                 (QList<int>{ID_POST_ADD, ID_POST_RENAME, 0, ID_SORT_BY_POSITION, ID_SORT_BY_TITLE, ID_SORT_BY_DATE, 0,
                             ID_FILTERING, 0, ID_COPY_TITLE}));
        QCOMPARE(rowMenu->actions().last()->text(), QStringLiteral("&Copy Title"));
        // The actions given, so the main window's command route runs them.
        QCOMPARE(rowMenu->actions().first(), posts.actions().first());

        std::unique_ptr<QMenu> headerMenu(f.bar->createHeaderMenu());
        QCOMPARE(commandsOf(headerMenu.get()),
                 (QList<int>{ID_SORT_BY_POSITION, ID_SORT_BY_TITLE, ID_SORT_BY_DATE, 0, ID_COPY_TITLE}));

        f.select(4);
        headerMenu->actions().last()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Post 5"));
        f.select(1);
        QVERIFY(f.bar->OnCommand(ID_COPY_TITLE));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Post 2"));
        CommandState state;
        QVERIFY(f.bar->OnUpdateCommand(ID_COPY_TITLE, &state));
        QVERIFY(state.enabled);
    }

    // Each channel darkens by 20 and wraps below it; black lightens.
    void shadedColor()
    {
        const QColor cases[][2] = {{QColor(255, 255, 255), QColor(235, 235, 235)},
                                   {QColor(10, 30, 40), QColor(246, 10, 20)},
                                   {QColor(20, 21, 200), QColor(0, 1, 180)},
                                   {QColor(0, 0, 0), QColor(20, 20, 20)}};
        for (const auto &c : cases)
            QCOMPARE(CPostRowDelegate::shadedColor(c[0]), c[1]);
    }
    void rowPainting_shadesOddRowsAndFramesCurrentRowUnlessRenaming()
    {
        PostsBar f(postsTitled(kFivePosts));
        f.select(2);
        const QImage image = f.list()->viewport()->grab().toImage();
        const QColor base = f.list()->palette().color(QPalette::Base).toRgb();
        const QColor red(255, 0, 0);

        // Beyond the end of the dates, where no text is drawn.
        const int blankX = f.list()->viewport()->width() - 4;
        const QRect odd = f.list()->visualRect(f.model()->index(1, CPostsModel::DateColumn));
        const QRect even = f.list()->visualRect(f.model()->index(4, CPostsModel::DateColumn));
        QCOMPARE(pixelAt(image, blankX, odd.center().y()), CPostRowDelegate::shadedColor(base));
        QCOMPARE(pixelAt(image, blankX, even.center().y()), base);

        const QRect current = f.list()->visualRect(f.model()->index(2, CPostsModel::TitleColumn));
        QCOMPARE(pixelAt(image, 1, current.center().y()), red); // left edge
        QCOMPARE(pixelAt(image, 0, current.center().y()) == red, false);
        QCOMPARE(pixelAt(image, blankX, current.top()), red); // top edge
        QCOMPARE(pixelAt(image, blankX, current.bottom() - 1), red); // bottom edge
        QCOMPARE(pixelAt(image, blankX, current.bottom()) == red, false);
        QCOMPARE(pixelAt(image, blankX, odd.center().y()) == red, false);

        f.command(ID_POST_RENAME);
        QVERIFY(f.list()->isRenaming());
        const QImage renaming = f.list()->viewport()->grab().toImage();
        QVERIFY(pixelAt(renaming, blankX, current.top()) != red);
    }
};

QTEST_MAIN(TestBarRssItems)
#include "tst_barrssitems.moc"
