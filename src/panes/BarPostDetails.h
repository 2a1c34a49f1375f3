#pragma once

#include "panes/SizingControlBarCF.h"

#include <QPointer>

#include <vector>

struct EnclosureInfo;

class CElementForm;
class CEnclosureProbe;
class CElementTable;
class CLiveItemFields;
class COtherElementsList;
class CRSSEditDoc;
class QBoxLayout;
class QGroupBox;
class QHBoxLayout;

// The pane beside the editor with the elements of the current post that the
// editor does not show: date, guid, comments, source, categories, enclosures,
// the podcast tags while the feed is a podcast, and the post's other
// elements, read-only. Each field is stored through the document when the
// user finishes editing it.
class CBarPostDetails : public CSizingControlBarCF
{
    Q_OBJECT
public:
    CBarPostDetails(const QString &title, CRSSEditDoc *doc, QWidget *parent = nullptr);

    // The fields are made when first needed: most feeds open with the pane
    // hidden, and a feed window opens sooner without them.
    CElementForm *form();
    CElementTable *enclosures();
    QGroupBox *podcastGroup();
    COtherElementsList *otherElements();
    CLiveItemFields *liveItemFields();

    // The width the pane needs to show its fields without scrolling sideways.
    int fieldsWidth();

    // Shows the pane with the focus in an element's field (the checker's
    // findings lead here); false when the pane has no field for it.
    bool focusElement(const QString &element);

    // Fills the length and type of enclosure `row` of the current post (a
    // new one past the last row), and a podcast's duration, from a media
    // file or from what the server says of the row's URL. The answer comes
    // in the background; a failure's reason shows under the enclosures.
    void fillEnclosureFromFile(int row, const QString &path);
    void fillEnclosureFromUrl(int row);

    // Opens the current post's chapters file (podcast:chapters) in the
    // chapters editor: the local file its address names, or one to save
    // the chapters to, beside the feed, when it names a file on the web.
    // Saved there, the file becomes the post's chapters address.
    void editChapters();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ensureFields();
    QWidget *createFields();
    QGroupBox *createEnclosures();
    void addPodcastFields(QWidget *parent);
    void addLiveFields(QBoxLayout *layout);
    void showPost(int post);
    void load();
    void chooseEnclosureFile();
    void probe(int row, const QString &source, bool file);
    void onProbed(const EnclosureInfo &info);
    // A probe under way still answers to its post when posts come or go
    // above it; a probe of a removed post is dropped.
    void followInsertedPost(int index);
    void followRemovedPost(int index);

    QPointer<CRSSEditDoc> m_doc;
    CElementForm *m_form;
    CElementTable *m_enclosures = nullptr;
    QGroupBox *m_podcast = nullptr;
    QHBoxLayout *m_chaptersButtons = nullptr;
    COtherElementsList *m_others = nullptr;
    CLiveItemFields *m_live = nullptr;
    CEnclosureProbe *m_probe;
    // The probes under way: what was asked, for which post and row.
    struct PendingProbe
    {
        QString source;
        int post;
        int row;
    };
    std::vector<PendingProbe> m_pending;
    // Set while the pane is hidden and the post changed: it loads when shown.
    bool m_stale = true;
};
