#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

// Every rule the feed checker applies, in one table: a stable id that
// scripts and settings may name, a level, and a message in plain words.
class CFeedRules
{
public:
    enum class Level { Error, Warning, Info };

    enum Id {
        // The file
        NotWellFormed,
        BadEncoding,
        UndefinedEntity,
        DeclaredEntity,
        InvalidCharacter,
        // rss and its channel
        NotRss,
        RssVersion,
        ExtensionAttribute,
        MissingChannel,
        DuplicateElement,
        UnknownElement,
        UnexpectedAttribute,
        UnboundPrefix,
        NoNamespace,
        UnexpectedText,
        MisplacedItem,
        ChannelMissingTitle,
        ChannelMissingLink,
        ChannelMissingDescription,
        BlankTitle,
        LanguageInvalid,
        TtlInvalid,
        MissingSelfLink,
        SelfLinkIsSite,
        // Values of any element
        UrlNotAbsolute,
        UrlScheme,
        UrlNotAscii,
        TextContainsHtml,
        TextTagLike,
        DateInvalid,
        DateProblematical,
        DateImplausible,
        EmailInvalid,
        EmailForm,
        EmailNoName,
        // image
        ImageMissingUrl,
        ImageMissingTitle,
        ImageMissingLink,
        ImageWidth,
        ImageHeight,
        ImageLinkMismatch,
        ImageTitleMismatch,
        ImageFormat,
        // textInput, cloud, skipHours, skipDays
        TextInputMissingTitle,
        TextInputMissingDescription,
        TextInputMissingName,
        TextInputMissingLink,
        TextInputName,
        TextInputIgnored,
        CloudMissingAttribute,
        CloudPort,
        CloudProtocol,
        SkipHoursEmpty,
        SkipHour,
        SkipHourMidnight,
        SkipHourDuplicate,
        SkipHoursTooMany,
        SkipDaysEmpty,
        SkipDay,
        SkipDayDuplicate,
        SkipDaysTooMany,
        // item
        ItemTitleOrDescription,
        GuidMissing,
        GuidBlank,
        GuidNotUrl,
        GuidNotWebLink,
        GuidPermaLinkValue,
        GuidDuplicate,
        GuidNotUnique,
        EnclosureMissingAttribute,
        EnclosureLength,
        EnclosureType,
        EnclosureSeveral,
        SourceMissingUrl,
        ContentBeforeDescription,
        SlashCommentsInvalid,
        // Markup in descriptions
        DescriptionScript,
        DescriptionFrame,
        DescriptionEventAttribute,
        DescriptionActiveTag,
        DescriptionRelativeLink,
        // iTunes and podcast tags
        ItunesExplicit,
        ItunesExplicitOld,
        ItunesCategory,
        ItunesSubcategory,
        ItunesDuration,
        ItunesEpisodeNumber,
        ItunesSeasonNumber,
        ItunesEpisodeType,
        ItunesType,
        ItunesYesNo,
        PodcastGuid,
        PodcastLocked,
        PodcastHttps,
        // The podcast directories' rules (CFeedChecker::PodcastRules): the
        // podcast namespace's tags, Apple Podcasts' requirements, PSP-1
        NamespaceMisspelled,
        PodcastTagUnknown,
        PodcastParent,
        PodcastAttributeMissing,
        PodcastChildMissing,
        PodcastTextMissing,
        PodcastTextLong,
        PodcastValue,
        PodcastValueUncommon,
        PodcastUuid,
        PodcastDate,
        PodcastNumber,
        PodcastTime,
        PodcastSelfLinkMissing,
        PodcastImageMissing,
        PodcastLanguageMissing,
        PodcastCategoryMissing,
        PodcastExplicitMissing,
        PodcastDescriptionLong,
        PodcastItemTitleMissing,
        PodcastEnclosureMissing,
        PodcastItemGuidMissing,
        PodcastLockedMissing,
        PodcastGuidMissing,
        PodcastAttributeRecommended,
        PodcastTagRetired,
        PodcastExplicitOld,
        ItunesImageFormat,
        ItunesImageSize,
        ItunesImageColour,
        ItunesImageUnreadable,
        IdCount
    };

    struct Rule
    {
        Id id;
        const char *name; // the stable id, "guid-duplicate"
        Level level;
        const char *message; // untranslated; Message() gives it in the user's language
    };

    static const Rule &Get(Id id);
    static QString Message(Id id);
    static QList<Rule> All();
    static QString LevelName(Level level);
};
