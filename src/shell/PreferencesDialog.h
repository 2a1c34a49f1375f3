#pragma once

#include "settings/PostFooterSetting.h"

#include "engine/AnimatedDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// The program's preferences: the colours (the desktop's light or dark
// scheme, or one of them always), whether the posts the user edits get a
// footer, and its words.
class CPreferencesDialog : public CAnimatedDialog
{
    Q_OBJECT
public:
    explicit CPreferencesDialog(QWidget *parent = nullptr);

    // Without words of its own, the footer shows the default words.
    void setFooter(const PostFooterSetting &footer);
    // The default words come back as no words of the user's, so that they
    // follow the program's version.
    PostFooterSetting footer() const;

    // As ColorSchemeSetting stores it: 0 follows the desktop, 1 dark, 2 light.
    void setColorScheme(int scheme);
    int colorScheme() const;

    QComboBox *colorSchemeBox() const { return m_colorScheme; }
    QCheckBox *footerCheckBox() const { return m_footerBox; }
    QLineEdit *footerTextEdit() const { return m_footerText; }

private:
    QComboBox *m_colorScheme;
    QCheckBox *m_footerBox;
    QLineEdit *m_footerText;
};
