#include "shell/DiskChangeBar.h"

#include "core/FeedEncoding.h"
#include "core/RssFeed.h"
#include "core/UnifiedDiff.h"
#include "document/DiskWatcher.h"
#include "document/RSSEditDoc.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

CDiskChangeBar::CDiskChangeBar(CRSSEditDoc *document, QWidget *parent)
    : QFrame(parent)
    , m_document(document)
    , m_watcher(new CDiskWatcher(document, this))
    , m_message(new QLabel(this))
    , m_reload(new QPushButton(tr("&Reload"), this))
    , m_keep(new QPushButton(tr("&Keep mine"), this))
    , m_differences(new QPushButton(tr("&Show differences"), this))
{
    // The colours of a note, which every palette, light or dark, sets apart.
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    m_message->setForegroundRole(QPalette::ToolTipText);
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_reload->setToolTip(tr("Read the file again; the changes made here are lost"));
    m_keep->setToolTip(tr("Keep the feed as it is here; the next save asks before it overwrites the file"));

    auto *icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(size, size));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_reload);
    layout->addWidget(m_keep);
    layout->addWidget(m_differences);
    hide();

    connect(m_watcher, &CDiskWatcher::changedOnDisk, this, &CDiskChangeBar::onChangedOnDisk);
    connect(m_reload, &QPushButton::clicked, this, &CDiskChangeBar::reload);
    connect(m_keep, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_differences, &QPushButton::clicked, this, &CDiskChangeBar::showDifferences);
    // Saved or read again, the feed and the file agree.
    connect(m_document, &CRSSEditDoc::saved, this, &QWidget::hide);
    connect(m_document, &CRSSEditDoc::feedReset, this, &QWidget::hide);
}

QString CDiskChangeBar::fileName() const
{
    return QFileInfo(m_document->path()).fileName();
}

void CDiskChangeBar::onChangedOnDisk()
{
    if (!m_document->IsModified()) {
        reload();
        return;
    }
    m_message->setText(tr("%1 changed on disk. Reload it to drop the changes made here, or keep them.")
                           .arg(fileName()));
    show();
}

// A file caught half written, or broken, leaves the feed as it was; the
// strip says why and offers to try again.
void CDiskChangeBar::reload()
{
    QString error;
    if (m_document->ReloadFromDisk(&error))
        return;
    m_message->setText(tr("%1 changed on disk and cannot be read: %2 The feed here stays as it was.")
                           .arg(fileName(), error.simplified()));
    show();
}

// A file the feed cannot read is shown as it is, in the feed's encoding.
QString CDiskChangeBar::diskText() const
{
    CRssFeed disk;
    if (disk.LoadFromFile(m_document->path()))
        return QString::fromUtf8(disk.PrintToString());
    QFile file(m_document->path());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll();
    const FeedEncoding encoding(m_document->feed()->EncodingName());
    return encoding.isValid() ? encoding.decode(bytes.constData(), bytes.size()) : QString::fromUtf8(bytes);
}

void CDiskChangeBar::showDifferences()
{
    const QString mine = QString::fromUtf8(m_document->feed()->PrintToString());
    QString diff = UnifiedDiff(linesOf(diskText()), linesOf(mine));
    if (diff.isEmpty())
        diff = tr("The file on disk holds what a save would write.\n");
    else
        diff.prepend(tr("--- %1 on disk\n+++ %1 as a save would write it\n").arg(fileName()));

    QDialog dialog(window());
    dialog.setWindowTitle(tr("Differences \u2014 %1").arg(fileName()));
    auto *text = new QPlainTextEdit(diff, &dialog);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(window()->size().boundedTo(QSize(900, 600)) * 9 / 10);
    dialog.exec();
}
