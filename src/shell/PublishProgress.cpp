#include "shell/PublishProgress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QToolButton>

CPublishProgress::CPublishProgress(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel)
    , m_bar(new QProgressBar)
    , m_cancel(new QToolButton)
{
    m_bar->setTextVisible(false);
    m_bar->setFixedWidth(160);
    m_cancel->setText(tr("Cancel"));
    m_cancel->setToolTip(tr("Stop publishing; the feed on the server stays as it was"));
    m_cancel->setAutoRaise(true);
    connect(m_cancel, &QToolButton::clicked, this, [this] {
        m_cancel->setEnabled(false);
        m_label->setText(tr("Cancelling\u2026"));
        emit cancelRequested();
    });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel);
}

void CPublishProgress::start(const QString &destination)
{
    m_cancel->setEnabled(true);
    m_bar->setRange(0, 0); // busy until the sizes are known
    m_label->setText(tr("Publishing to %1\u2026").arg(destination));
}

void CPublishProgress::setProgress(qint64 bytesSent, qint64 bytesTotal, int filesSent, int filesTotal)
{
    if (!m_cancel->isEnabled())
        return; // "Cancelling..." stays until the end
    // The bar counts in kilobytes, so that files over 2 GB fit its int.
    m_bar->setRange(0, int(qMax<qint64>(bytesTotal / 1024, 1)));
    m_bar->setValue(int(qMin(bytesSent, bytesTotal) / 1024));
    m_label->setText(tr("File %1 of %2, %3 of %4")
                         .arg(qMin(filesSent + 1, filesTotal))
                         .arg(filesTotal)
                         .arg(sizeText(bytesSent), sizeText(bytesTotal)));
}

QString CPublishProgress::text() const
{
    return m_label->text();
}

QString CPublishProgress::sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}
