#pragma once

#include "core/ChaptersFile.h"

#include <QDialog>

class CRSSEditDoc;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Edits a podcast's chapters file as a table: start time, title, image and
// web page of each chapter. What the table does not show stays in the file
// (CChaptersFile). A file that is not a chapters file is shown with the
// reason and never written over, and an existing file other than the one
// opened is replaced only when the user says so.
class CChaptersDlg : public QDialog
{
    Q_OBJECT
public:
    enum Column { StartColumn = 0, TitleColumn, ImageColumn, UrlColumn, ColumnCount };

    explicit CChaptersDlg(QWidget *parent = nullptr);

    // Shows the chapters file of post `post` (its podcast:chapters): the
    // local file its address names, or, for an address on the web, a file
    // of that name in the media folder. Saved in the media folder, with a
    // media base address, the file's published address becomes the post's
    // chapters address (one undo step); saved elsewhere it gets none, and
    // the dialog says so.
    // The dialog deletes itself when closed; null when there is no post.
    static CChaptersDlg *editPostChapters(CRSSEditDoc *doc, int post, QWidget *parent);

    // Reads the file at `path`; a missing one starts an empty list that
    // Save writes there. `note` says where the file stands to the post
    // (its address is on the web, say). False when the file cannot be
    // read as chapters; the dialog then shows why and saves nothing.
    bool openFile(const QString &path, const QString &note = QString());

    QTableWidget *table() const { return m_table; }
    QLineEdit *pathEdit() const { return m_path; }
    // What the dialog tells, and what went wrong (in the notes' red).
    QLabel *message() const { return m_message; }
    QLabel *error() const { return m_error; }
    bool isModified() const { return m_modified; }

    void addChapter();
    void removeChapter();
    // Sorts the chapters by start and writes the file named above; false
    // with the reason shown when a start time is not one or the file
    // cannot be written, and false when the file named is another existing
    // file than the one opened and the user keeps it.
    bool save();

signals:
    // The chapters went to this file.
    void saved(const QString &path);

public slots:
    void reject() override;

private:
    QHBoxLayout *createFileRow();
    void fillTable();
    void onItemChanged(int row, int column);
    void showMessage(const QString &text, bool error);
    void openOther();
    void saveAs();
    // Edits not saved are saved or dropped as the user chooses; false when
    // the user cancels.
    bool settleChanges();
    bool mayWrite(const QString &path);
    void setReadable(bool readable);

    CChaptersFile m_file;
    // The file whose chapters the table shows, or the one last saved: saving
    // over it needs no question. Empty for a new list.
    QString m_openedPath;
    QLineEdit *m_path;
    QTableWidget *m_table;
    QLabel *m_message;
    QLabel *m_error;
    QPushButton *m_save;
    QPushButton *m_add;
    QPushButton *m_remove;
    bool m_filling = false;
    bool m_modified = false;
};
