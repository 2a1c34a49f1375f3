#pragma once

#include "engine/HtmlFormDialog.h"

#include <QSize>
#include <QTimer>

// What the Insert Image dialog edits: texts are empty and numbers -1 when
// not given. The look of an image (border, spacing, alignment) is the
// style sheet's business, not the markup's.
struct ImageInfo
{
    QString src;
    QString alt;
    int width = -1;
    int height = -1;
};

// The Insert Image dialog, a page of the program's resources with a live
// preview of the image beside the fields. Browse picks a local image file;
// a source that is a local image fills in its width and height. OK (the
// button named "Close") ends it with ResultClose and reads the fields back
// into the record; the IMG markup of the fields is ready at every change.
class CImageDlg : public CHtmlFormDialog
{
    Q_OBJECT
public:
    // An empty source becomes DefaultImageSource().
    explicit CImageDlg(const ImageInfo &info, QWidget *parent = nullptr);

    int run();
    const ImageInfo &info() const { return m_info; }
    QString markup() const { return m_markup; }

    // A picture address on the clipboard (.gif, .png, .jpg, .jpeg), else the
    // product's sample picture when the product has a real site, else none.
    static QString DefaultImageSource();
    // The number a text starts with (an optional sign and digits, after
    // white space), or the fallback when it starts with none.
    static int LeadingNumber(const QString &text, int fallback);
    // The size of the image a source names when it is a readable local
    // file (a path or a file: URL), else an invalid size.
    static QSize LocalImageSize(const QString &source);

protected:
    void OnPageReady() override;
    void OnElementEvent(int code, const QString &id) override;
    void OnButtonClick(const QString &name) override;
    void OnDataLoaded() override;

private:
    void UpdateImagePreview();
    void chooseFile();
    void takeLocalImageSize();
    void readFields();
    void noteChange();
    QString fieldText(const QString &id) const;

    ImageInfo m_info;
    QString m_markup;
    // The window follows the page's size once changes have settled.
    QTimer m_resizeTimer;
};
