#pragma once

#include <QFrame>

class CDiskWatcher;
class CRSSEditDoc;
class QLabel;
class QPushButton;

// The strip at the top of a feed's window that says its file changed on
// disk. A feed without changes of its own reloads at once, the current
// post kept, and the strip stays away; one with changes shows the strip,
// which offers to reload (dropping the changes), to keep the feed as it is
// here, or to show how the file on disk differs from what a save would
// write.
class CDiskChangeBar : public QFrame
{
    Q_OBJECT
public:
    explicit CDiskChangeBar(CRSSEditDoc *document, QWidget *parent = nullptr);

    QPushButton *reloadButton() const { return m_reload; }
    QPushButton *keepButton() const { return m_keep; }
    QPushButton *differencesButton() const { return m_differences; }

private:
    void onChangedOnDisk();
    void reload();
    void showDifferences();
    // The file on disk as text, read as a feed in its own encoding when it
    // is one, else as it stands in the open feed's encoding.
    QString diskText() const;
    QString fileName() const;

    CRSSEditDoc *m_document;
    CDiskWatcher *m_watcher;
    QLabel *m_message;
    QPushButton *m_reload;
    QPushButton *m_keep;
    QPushButton *m_differences;
};
