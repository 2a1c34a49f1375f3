#pragma once

#include "document/RSSObserver.h"
#include "panes/SizingControlBarCF.h"

#include <QPointer>

class CElementForm;
class CElementTable;
class CRSSEditDoc;
class QGroupBox;
class QTreeWidget;

// The pane beside the editor with the elements of the current post that the
// editor does not show: date, guid, comments, source, categories, enclosures,
// the podcast tags while the feed is a podcast, and the post's other
// elements, read-only. Each field is stored through the document when the
// user finishes editing it.
class CBarPostDetails : public CSizingControlBarCF, public CRSSObserver
{
    Q_OBJECT
public:
    CBarPostDetails(const QString &title, CRSSEditDoc *doc, QWidget *parent = nullptr);

    CElementForm *form() const { return m_form; }
    CElementTable *enclosures() const { return m_enclosures; }
    QGroupBox *podcastGroup() const { return m_podcast; }
    QTreeWidget *otherElements() const { return m_others; }

    void OnRSSNotify(CRSSObserver *sender, int hint, const QVariant &data) override;

signals:
    // The user asked to fill enclosure `row` from a local file or its URL.
    void enclosureFileRequested(int row);
    void enclosureUrlRequested(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createFields();
    void addPodcastFields(QWidget *parent);
    void showPost(int post);
    void load();

    QPointer<CRSSEditDoc> m_doc;
    CElementForm *m_form;
    CElementTable *m_enclosures = nullptr;
    QGroupBox *m_podcast = nullptr;
    QTreeWidget *m_others = nullptr;
    // Set while the pane is hidden and the post changed: it loads when shown.
    bool m_stale = true;
};
