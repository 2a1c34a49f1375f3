#pragma once


#include <QPointer>
#include <QWidget>

class CElementForm;
class COtherElementsList;
class CRSSEditDoc;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

// The channel of one feed in a window of its own, page by page: the RSS 2.0
// elements, categories and image, cloud and text input, skip hours and days,
// and the podcast tags while the feed is a podcast. Every field is stored
// through the document when the user finishes editing it.
class CFeedPropertiesWnd : public QWidget
{
    Q_OBJECT
public:
    explicit CFeedPropertiesWnd(CRSSEditDoc *doc, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    QTabWidget *podcastTabs() const { return m_podcastTabs; }
    CElementForm *form() const { return m_form; }
    QCheckBox *podcastBox() const { return m_podcast; }
    COtherElementsList *otherElements() const { return m_others; }

    // Shows the page of an element's field with the focus in it (the
    // checker's findings lead here); false when no field shows it.
    bool focusElement(const QString &element);

private:
    QWidget *channelPage();
    QWidget *categoriesPage();
    QWidget *cloudPage();
    QWidget *skipPage();
    QWidget *podcastPage();
    QWidget *showPage();
    QWidget *indexPage();
    QWidget *peoplePage();
    QWidget *supportPage();
    QWidget *socialPage();
    QWidget *relatedPage();
    QWidget *othersPage();
    void load();
    void showImagePreview();
    void updateMakeGuid();
    void updateTitle();
    void placeOnScreen();

    QPointer<CRSSEditDoc> m_doc;
    CElementForm *m_form;
    QTabWidget *m_tabs;
    QTabWidget *m_podcastTabs = nullptr; // the podcast page's own pages
    QCheckBox *m_podcast;
    QLabel *m_imagePreview = nullptr;
    QPushButton *m_makeGuid = nullptr;
    COtherElementsList *m_others = nullptr;
    int m_podcastTab = -1;
};
