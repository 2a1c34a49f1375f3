#include "panes/ChaptersDlg.h"

#include "document/RSSEditDoc.h"
#include "publishing/ChaptersLocation.h"
#include "publishing/PublishSettings.h"
#include "panes/NoteLabel.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The JSON member each text column shows.
const char *memberOf(int column)
{
    switch (column) {
    case CChaptersDlg::TitleColumn: return CChaptersFile::kTitle;
    case CChaptersDlg::ImageColumn: return CChaptersFile::kImage;
    case CChaptersDlg::UrlColumn: return CChaptersFile::kUrl;
    default: return nullptr;
    }
}

const QString kChaptersTag = QStringLiteral("podcast:chapters");

QString absolutePath(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

bool isWebAddress(const QString &url)
{
    return url.startsWith(QLatin1String("https://")) || url.startsWith(QLatin1String("http://"));
}

QString chaptersUrl(const CRSSEditDoc *doc, int post)
{
    const std::vector<FeedElement> tags = doc->feed()->GetPostElements(post, kChaptersTag);
    return tags.empty() ? QString() : tags.front().attribute(QStringLiteral("url")).trimmed();
}

// Points the post's chapters at the file saved, by the address publishing
// gives it. A file publishing does not place has no address a listener's
// app could reach: the post keeps what it names, and the note returned
// says why.
QString pointPostAt(CRSSEditDoc *doc, int post, const QString &saved, const QString &feedPath, const PublishTarget &target)
{
    const QString old = chaptersUrl(doc, post);
    const QString address = CChaptersLocation::urlFor(saved, feedPath, target);
    if (address.isEmpty()) {
        // A web address names where the user uploads the file to.
        if (isWebAddress(old))
            return QString();
        if (target.mediaBaseUrl.isEmpty())
            return CChaptersDlg::tr("The post does not name this file yet: a listener's app needs its web address. Set a "
                                    "media base address in the publish settings to publish the file with the feed, and "
                                    "save again.");
        return CChaptersDlg::tr("The post does not name this file: publishing uploads the media folder, %1, and the file "
                                "is outside it. Save it there to publish it with the feed.")
                .arg(QDir::toNativeSeparators(target.mediaFolder.isEmpty() ? QFileInfo(feedPath).absolutePath()
                                                                            : target.mediaFolder));
    }
    if (old == address)
        return QString();
    std::vector<FeedElement> tags = doc->feed()->GetPostElements(post, kChaptersTag);
    if (tags.empty())
        tags.push_back(FeedElement{kChaptersTag, {}, {}, {}});
    tags.front().setAttribute(QStringLiteral("url"), address);
    if (tags.front().attribute(QStringLiteral("type")).isEmpty())
        tags.front().setAttribute(QStringLiteral("type"), QStringLiteral("application/json+chapters"));
    doc->SetPostElements(post, kChaptersTag, tags);
    return QString();
}

} // namespace

CChaptersDlg *CChaptersDlg::editPostChapters(CRSSEditDoc *doc, int post, QWidget *parent)
{
    if (!doc || post < 0 || post >= doc->feed()->GetPostCount())
        return nullptr;
    const QString url = chaptersUrl(doc, post);
    const QString feedPath = doc->path();
    const PublishTarget target = CPublishSettings::load(feedPath);
    QString path = CChaptersLocation::localPath(url, feedPath, target);
    QString note;
    if (path.isEmpty() && !url.isEmpty()) {
        note = (target.mediaBaseUrl.isEmpty()
                        ? tr("The post's chapters are at %1, on the web. Save writes them to the file above: upload it "
                             "there, or set a media base address in the publish settings to publish it with the feed.")
                        : tr("The post's chapters are at %1, on the web. Save writes them to the file above, and the "
                             "post's chapters address becomes the one it is published at."))
                       .arg(url);
    }
    if (path.isEmpty())
        path = CChaptersLocation::suggestedPath(url, feedPath, target);

    auto *dialog = new CChaptersDlg(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->openFile(path, note);
    const QPointer<CRSSEditDoc> document(doc);
    connect(dialog, &CChaptersDlg::saved, dialog, [dialog, document, post, feedPath, target](const QString &saved) {
        if (!document || post >= document->feed()->GetPostCount())
            return;
        const QString note = pointPostAt(document, post, saved, feedPath, target);
        if (!note.isEmpty())
            dialog->showMessage(dialog->m_message->text() + u' ' + note, false);
    });
    dialog->show();
    return dialog;
}

CChaptersDlg::CChaptersDlg(QWidget *parent)
    : QDialog(parent)
    , m_path(new QLineEdit)
    , m_table(new QTableWidget(0, ColumnCount))
    , m_message(new QLabel)
    , m_error(new CNoteLabel)
    , m_save(new QPushButton(tr("&Save")))
    , m_add(new QPushButton(tr("&Add Chapter")))
    , m_remove(new QPushButton(tr("&Remove Chapter")))
{
    setWindowTitle(tr("Chapters"));
    setObjectName(QStringLiteral("chaptersDialog"));
    auto *layout = new QVBoxLayout(this);

    layout->addLayout(createFileRow());

    m_table->setHorizontalHeaderLabels({tr("Start"), tr("Title"), tr("Image"), tr("URL")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(StartColumn, 90);
    m_table->setColumnWidth(TitleColumn, 220);
    m_table->setColumnWidth(ImageColumn, 200);
    m_table->verticalHeader()->hide();
    m_table->setToolTip(tr("Start times in seconds (94, 94.5) or as m:ss and h:mm:ss"));
    layout->addWidget(m_table, 1);
    connect(m_table, &QTableWidget::cellChanged, this, &CChaptersDlg::onItemChanged);

    auto *rowButtons = new QHBoxLayout;
    rowButtons->addWidget(m_add);
    rowButtons->addWidget(m_remove);
    rowButtons->addStretch();
    layout->addLayout(rowButtons);
    connect(m_add, &QPushButton::clicked, this, &CChaptersDlg::addChapter);
    connect(m_remove, &QPushButton::clicked, this, &CChaptersDlg::removeChapter);

    m_message->setWordWrap(true);
    m_message->hide();
    layout->addWidget(m_message);
    m_error->hide();
    layout->addWidget(m_error);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(m_save, QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(m_save, &QPushButton::clicked, this, &CChaptersDlg::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChaptersDlg::reject);
    resize(760, 420);
}

// The chapters file's path, with Open and Save As beside it.
QHBoxLayout *CChaptersDlg::createFileRow()
{
    auto *fileRow = new QHBoxLayout;
    auto *fileLabel = new QLabel(tr("&File:"));
    fileLabel->setBuddy(m_path);
    auto *open = new QPushButton(tr("&Open\u2026"));
    open->setObjectName(QStringLiteral("open"));
    auto *saveAs = new QPushButton(tr("Sa&ve As\u2026"));
    saveAs->setObjectName(QStringLiteral("saveAs"));
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_path, 1);
    fileRow->addWidget(open);
    fileRow->addWidget(saveAs);
    connect(open, &QPushButton::clicked, this, &CChaptersDlg::openOther);
    connect(saveAs, &QPushButton::clicked, this, &CChaptersDlg::saveAs);
    return fileRow;
}

bool CChaptersDlg::openFile(const QString &path, const QString &note)
{
    m_path->setText(path);
    m_file = CChaptersFile();
    m_modified = false;
    m_openedPath.clear();
    QString message = note;
    if (QFileInfo::exists(path)) {
        QString error;
        if (!m_file.load(path, &error)) {
            m_file = CChaptersFile();
            fillTable();
            setReadable(false);
            showMessage(tr("%1 cannot be edited here, and is left as it is.\n%2").arg(path, error), true);
            return false;
        }
        m_openedPath = absolutePath(path);
    } else {
        message += (message.isEmpty() ? QString() : QStringLiteral(" ")) + tr("A new chapters file: Save writes it.");
    }
    setReadable(true);
    fillTable();
    showMessage(message, false);
    return true;
}

// A file that could not be read keeps the dialog from writing over it.
void CChaptersDlg::setReadable(bool readable)
{
    m_table->setEnabled(readable);
    m_save->setEnabled(readable);
    m_add->setEnabled(readable);
    m_remove->setEnabled(readable);
    m_path->setReadOnly(!readable);
}

void CChaptersDlg::fillTable()
{
    m_filling = true;
    m_table->setRowCount(m_file.chapterCount());
    for (int row = 0; row < m_file.chapterCount(); ++row) {
        m_table->setItem(row, StartColumn, new QTableWidgetItem(CChaptersFile::formatTime(m_file.startTime(row))));
        for (int column = TitleColumn; column < ColumnCount; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(m_file.text(row, memberOf(column))));
    }
    m_filling = false;
}

void CChaptersDlg::onItemChanged(int row, int column)
{
    if (m_filling || row >= m_file.chapterCount())
        return;
    QTableWidgetItem *item = m_table->item(row, column);
    const QString text = item ? item->text() : QString();
    m_modified = true;
    if (column != StartColumn) {
        m_file.setText(row, memberOf(column), text.trimmed());
        return;
    }
    const std::optional<double> seconds = CChaptersFile::parseTime(text);
    // A start that is no time is marked, dark on light in any palette, and
    // keeps the save from going on.
    item->setData(Qt::BackgroundRole, seconds ? QVariant() : QVariant(QColor(255, 200, 200)));
    item->setData(Qt::ForegroundRole, seconds ? QVariant() : QVariant(QColor(Qt::black)));
    item->setToolTip(seconds ? QString() : tr("Not a time like 94, 1:34 or 1:01:34"));
    if (seconds)
        m_file.setStartTime(row, *seconds);
}

// A new chapter a minute after the current one (or the last).
void CChaptersDlg::addChapter()
{
    const int count = m_file.chapterCount();
    const int current = m_table->currentRow() >= 0 ? m_table->currentRow() : count - 1;
    const double start = current >= 0 ? m_file.startTime(current) + 60 : 0;
    m_file.insertChapter(current + 1, start);
    m_modified = true;
    fillTable();
    m_table->setCurrentCell(current + 1, TitleColumn);
    m_table->editItem(m_table->item(current + 1, TitleColumn));
}

void CChaptersDlg::removeChapter()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_file.chapterCount())
        return;
    m_file.removeChapter(row);
    m_modified = true;
    fillTable();
}

bool CChaptersDlg::save()
{
    if (!m_save->isEnabled())
        return false;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (!CChaptersFile::parseTime(m_table->item(row, StartColumn)->text())) {
            m_table->setCurrentCell(row, StartColumn);
            showMessage(tr("The start of chapter %1 is not a time like 94, 1:34 or 1:01:34.").arg(row + 1), true);
            return false;
        }
    }
    const QString path = m_path->text().trimmed();
    if (path.isEmpty()) {
        showMessage(tr("Choose the file to save the chapters to."), true);
        return false;
    }
    if (!mayWrite(path))
        return false;
    m_file.sortByStart();
    fillTable();
    QString error;
    if (!m_file.save(path, &error)) {
        showMessage(error, true);
        return false;
    }
    m_openedPath = absolutePath(path);
    m_modified = false;
    showMessage(tr("Saved to %1.").arg(path), false);
    emit saved(path);
    return true;
}

// Another file than the one the table came from may hold chapters of its
// own, or be no chapters file at all.
bool CChaptersDlg::mayWrite(const QString &path)
{
    if (!QFileInfo::exists(path) || absolutePath(path) == m_openedPath)
        return true;
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        tr("%1 already exists, and its chapters are not the ones shown here. Replace it with these chapters?")
            .arg(path),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        return true;
    showMessage(tr("Not saved: %1 is left as it is. Open it to edit its chapters, or name another file.").arg(path),
                true);
    return false;
}

void CChaptersDlg::openOther()
{
    if (!settleChanges())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a Chapters File"),
                                                      QFileInfo(m_path->text()).absolutePath(),
                                                      tr("Chapters (*.json);;All files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

// The file dialog has asked before naming an existing file.
void CChaptersDlg::saveAs()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the Chapters As"), m_path->text(),
                                                      tr("Chapters (*.json);;All files (*)"));
    if (path.isEmpty())
        return;
    m_path->setText(path);
    m_openedPath = absolutePath(path);
    save();
}

bool CChaptersDlg::settleChanges()
{
    if (!m_modified)
        return true;
    const auto answer = QMessageBox::question(this, windowTitle(), tr("Save the changes to the chapters?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    return answer == QMessageBox::Discard || (answer == QMessageBox::Save && save());
}

// Closing with edits not saved asks first.
void CChaptersDlg::reject()
{
    if (settleChanges())
        QDialog::reject();
}

// One of the two shows at a time.
void CChaptersDlg::showMessage(const QString &text, bool error)
{
    QLabel *shown = error ? m_error : m_message;
    QLabel *other = error ? m_message : m_error;
    shown->setText(text);
    shown->setVisible(!text.isEmpty());
    other->clear();
    other->hide();
}
