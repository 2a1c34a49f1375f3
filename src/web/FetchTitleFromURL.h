#pragma once

#include <QString>

// Finds the title of one web page: downloads it into a temporary file,
// rewrites that as UTF-8 and reads its title element. Lives on the worker
// thread that runs the fetch; deletes its temporary file when destroyed.
class CFetchTitleFromURL
{
public:
    enum State {
        StateFetched = 0,    // the title, possibly empty, is final
        StateNotFetched = 1, // also after a failed download
        StateNoUrl = 2,
    };

    explicit CFetchTitleFromURL(const QString &url);
    ~CFetchTitleFromURL();
    CFetchTitleFromURL(const CFetchTitleFromURL &) = delete;
    CFetchTitleFromURL &operator=(const CFetchTitleFromURL &) = delete;

    // Fetches first when not fetched yet; blocks for the download. The
    // title comes as StorableTitle makes it.
    QString GetTitle();

    State state() const { return m_state; }
    // Why the last fetch gave no title, as a sentence for the user; empty
    // when it gave one or has not run.
    QString failure() const { return m_failure; }
    QString tempFilePath() const { return m_tempFilePath; }

private:
    void fetch();

    QString m_tempFilePath;
    QString m_url;
    QString m_title;
    QString m_failure;
    State m_state;
};
