#pragma once

#include <QCoreApplication>

class CElementForm;
class CElementTable;
class QBoxLayout;
class QFormLayout;

// The fields and tables of the podcast namespace's tags, the same in Feed
// Properties (the channel's) and in Post Details (a post's). Each table
// comes in a titled group of its own, added to `layout`; a tag that nests
// others (a value's recipients, an alternate enclosure's sources) gets a
// table of the children of the row selected in its own table.
class CPodcastFields
{
    Q_DECLARE_TR_FUNCTIONS(CPodcastFields)
public:
    // The channel's and the post's.
    static CElementTable *addPersons(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addLocations(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addFunding(CElementForm *form, QBoxLayout *layout);
    static void addLicense(CElementForm *form, QFormLayout *layout);
    // The value blocks, their recipients, their time splits and the
    // recipients of the selected split.
    static CElementTable *addValue(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addSocialInteracts(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addTexts(CElementForm *form, QBoxLayout *layout);
    static void addChat(CElementForm *form, QFormLayout *layout);
    static CElementTable *addImages(CElementForm *form, QBoxLayout *layout);

    // The channel's.
    static void addUpdateFrequency(CElementForm *form, QFormLayout *layout);
    static void addPublisher(CElementForm *form, QFormLayout *layout);
    static CElementTable *addPodroll(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addRemoteItems(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addTrailers(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addBlocks(CElementForm *form, QBoxLayout *layout);

    // The post's.
    static void addChapters(CElementForm *form, QFormLayout *layout);
    static CElementTable *addTranscripts(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addSoundbites(CElementForm *form, QBoxLayout *layout);
    // The alternate enclosures and the sources of the selected one.
    static CElementTable *addAlternateEnclosures(CElementForm *form, QBoxLayout *layout);
    static CElementTable *addContentLinks(CElementForm *form, QBoxLayout *layout);
};
