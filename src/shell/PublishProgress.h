#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QToolButton;

// The status bar's display of a publishing that runs in the background:
// files and bytes sent so far, a bar, and a Cancel button. The window stays
// usable meanwhile.
class CPublishProgress : public QWidget
{
    Q_OBJECT
public:
    explicit CPublishProgress(QWidget *parent = nullptr);

    // Shows the start of a new publishing to the named place.
    void start(const QString &destination);
    void setProgress(qint64 bytesSent, qint64 bytesTotal, int filesSent, int filesTotal);

    QString text() const;
    QProgressBar *bar() const { return m_bar; }
    QToolButton *cancelButton() const { return m_cancel; }

    // "1.5 MB", "820 KB", "12 bytes".
    static QString sizeText(qint64 bytes);

signals:
    void cancelRequested();

private:
    QLabel *m_label;
    QProgressBar *m_bar;
    QToolButton *m_cancel;
};
