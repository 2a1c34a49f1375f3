#include "markup/FeedRules.h"

#include <array>

namespace {

using Id = CFeedRules::Id;
using Level = CFeedRules::Level;
constexpr Level E = Level::Error;
constexpr Level W = Level::Warning;
constexpr Level I = Level::Info;

// In the order of CFeedRules::Id; Get() checks that each row sits at its id.
const std::array<CFeedRules::Rule, CFeedRules::IdCount> kRules = {{
    {Id::NotWellFormed, "xml-not-well-formed", E, QT_TRANSLATE_NOOP("CFeedRules", "The file is not well-formed XML; no reader can read it.")},
    {Id::BadEncoding, "xml-encoding", E, QT_TRANSLATE_NOOP("CFeedRules", "The file's bytes do not fit the encoding it declares.")},
    {Id::UndefinedEntity, "xml-undefined-entity", E, QT_TRANSLATE_NOOP("CFeedRules", "The file uses an entity XML does not define, such as &nbsp;; write the character or a numeric reference.")},
    {Id::DeclaredEntity, "xml-declared-entity", E, QT_TRANSLATE_NOOP("CFeedRules", "The file defines entities of its own, which many readers do not expand.")},
    {Id::InvalidCharacter, "xml-invalid-character", E, QT_TRANSLATE_NOOP("CFeedRules", "The file holds a control character that XML does not allow.")},

    {Id::NotRss, "rss-root", E, QT_TRANSLATE_NOOP("CFeedRules", "The file's top element is not rss.")},
    {Id::RssVersion, "rss-version", E, QT_TRANSLATE_NOOP("CFeedRules", "The rss element needs version=\"2.0\".")},
    {Id::ExtensionAttribute, "rss-extension-attribute", W, QT_TRANSLATE_NOOP("CFeedRules", "An attribute from another vocabulary on an element of RSS; readers ignore it.")},
    {Id::MissingChannel, "rss-channel-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The feed has no channel.")},
    {Id::DuplicateElement, "element-duplicate", E, QT_TRANSLATE_NOOP("CFeedRules", "This element may appear only once here.")},
    {Id::UnknownElement, "element-unknown", E, QT_TRANSLATE_NOOP("CFeedRules", "RSS has no such element here; elements of other vocabularies need a namespace.")},
    {Id::UnexpectedAttribute, "attribute-unexpected", E, QT_TRANSLATE_NOOP("CFeedRules", "RSS gives this element no such attribute; readers ignore it.")},
    {Id::UnboundPrefix, "element-prefix-unbound", E, QT_TRANSLATE_NOOP("CFeedRules", "The element's prefix is not declared with xmlns.")},
    {Id::NoNamespace, "element-namespace-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "An element without a namespace inside another vocabulary's element; readers cannot tell what it means.")},
    {Id::UnexpectedText, "element-text-unexpected", E, QT_TRANSLATE_NOOP("CFeedRules", "This element holds other elements, not text.")},
    {Id::MisplacedItem, "channel-item-misplaced", W, QT_TRANSLATE_NOOP("CFeedRules", "Items should follow all of the channel's other elements.")},
    {Id::ChannelMissingTitle, "channel-title-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The channel has no title.")},
    {Id::ChannelMissingLink, "channel-link-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The channel has no link to its web site.")},
    {Id::ChannelMissingDescription, "channel-description-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The channel has no description.")},
    {Id::BlankTitle, "title-blank", W, QT_TRANSLATE_NOOP("CFeedRules", "The title is empty.")},
    {Id::LanguageInvalid, "language-invalid", E, QT_TRANSLATE_NOOP("CFeedRules", "Not a language code such as \"en\" or \"en-us\".")},
    {Id::TtlInvalid, "ttl-invalid", E, QT_TRANSLATE_NOOP("CFeedRules", "The time to live must be a whole number of minutes above 0.")},
    {Id::MissingSelfLink, "atom-self-missing", W, QT_TRANSLATE_NOOP("CFeedRules", "The channel does not give its own address (atom:link rel=\"self\"), which readers use to follow a moved feed.")},
    {Id::SelfLinkIsSite, "atom-self-site", W, QT_TRANSLATE_NOOP("CFeedRules", "The feed's own address (atom:link rel=\"self\") is its web site's; it should be the address of the feed file.")},

    {Id::UrlNotAbsolute, "url-not-absolute", E, QT_TRANSLATE_NOOP("CFeedRules", "Not a full address; write it with its scheme and host, as \"https://example.org/page\".")},
    {Id::UrlScheme, "url-scheme", W, QT_TRANSLATE_NOOP("CFeedRules", "Few readers can follow an address of this scheme; use http: or https:.")},
    {Id::UrlNotAscii, "url-not-ascii", E, QT_TRANSLATE_NOOP("CFeedRules", "The address holds characters outside ASCII; write them percent-encoded, as %C3%A9, and a host in its \"xn--\" form.")},
    {Id::TextContainsHtml, "text-html", W, QT_TRANSLATE_NOOP("CFeedRules", "This is plain text, but it holds HTML markup or an HTML entity that readers will show as written.")},
    {Id::TextTagLike, "text-tag-like", W, QT_TRANSLATE_NOOP("CFeedRules", "This plain text holds a \"<\" that a reader showing it as HTML takes for the start of a tag, hiding what follows; write it as &#x3C;.")},
    {Id::DateInvalid, "date-invalid", E, QT_TRANSLATE_NOOP("CFeedRules", "Not a date in the form \"Wed, 02 Oct 2002 13:00:00 GMT\".")},
    {Id::DateProblematical, "date-problematical", W, QT_TRANSLATE_NOOP("CFeedRules", "The date has a form that many readers get wrong.")},
    {Id::DateImplausible, "date-implausible", W, QT_TRANSLATE_NOOP("CFeedRules", "The date is in the future or before 1990.")},
    {Id::EmailInvalid, "email-invalid", E, QT_TRANSLATE_NOOP("CFeedRules", "Not an e-mail address; write one as \"jo@example.org (Jo Smith)\".")},
    {Id::EmailForm, "email-form", W, QT_TRANSLATE_NOOP("CFeedRules", "RSS writes an e-mail address as \"jo@example.org (Jo Smith)\".")},
    {Id::EmailNoName, "email-name-missing", W, QT_TRANSLATE_NOOP("CFeedRules", "Add the person's name after the address: \"jo@example.org (Jo Smith)\".")},

    {Id::ImageMissingUrl, "image-url-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The image has no url.")},
    {Id::ImageMissingTitle, "image-title-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The image has no title.")},
    {Id::ImageMissingLink, "image-link-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The image has no link.")},
    {Id::ImageWidth, "image-width", E, QT_TRANSLATE_NOOP("CFeedRules", "The image width must be a whole number from 1 to 144.")},
    {Id::ImageHeight, "image-height", E, QT_TRANSLATE_NOOP("CFeedRules", "The image height must be a whole number from 1 to 400.")},
    {Id::ImageLinkMismatch, "image-link-mismatch", W, QT_TRANSLATE_NOOP("CFeedRules", "The image link differs from the channel's link.")},
    {Id::ImageTitleMismatch, "image-title-mismatch", W, QT_TRANSLATE_NOOP("CFeedRules", "The image title differs from the channel's title.")},
    {Id::ImageFormat, "image-format", W, QT_TRANSLATE_NOOP("CFeedRules", "The channel image should be a GIF, JPEG or PNG file.")},

    {Id::TextInputMissingTitle, "textinput-title-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The text input has no title.")},
    {Id::TextInputMissingDescription, "textinput-description-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The text input has no description.")},
    {Id::TextInputMissingName, "textinput-name-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The text input has no name.")},
    {Id::TextInputMissingLink, "textinput-link-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The text input has no link.")},
    {Id::TextInputName, "textinput-name-invalid", E, QT_TRANSLATE_NOOP("CFeedRules", "The text input's name must be a form field name: a letter, then letters, digits, '-', '_', ':' or '.'.")},
    {Id::TextInputIgnored, "textinput-ignored", I, QT_TRANSLATE_NOOP("CFeedRules", "Few readers show a text input; most ignore it.")},
    {Id::CloudMissingAttribute, "cloud-attribute-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The cloud needs all of domain, port, path, registerProcedure and protocol.")},
    {Id::CloudPort, "cloud-port", E, QT_TRANSLATE_NOOP("CFeedRules", "The cloud port must be a whole number from 1 to 65535.")},
    {Id::CloudProtocol, "cloud-protocol", E, QT_TRANSLATE_NOOP("CFeedRules", "The cloud protocol must be xml-rpc, soap or http-post.")},
    {Id::SkipHoursEmpty, "skiphours-empty", E, QT_TRANSLATE_NOOP("CFeedRules", "skipHours lists no hour.")},
    {Id::SkipHour, "skiphours-hour", E, QT_TRANSLATE_NOOP("CFeedRules", "An hour must be a whole number from 0 to 23.")},
    {Id::SkipHourMidnight, "skiphours-24", W, QT_TRANSLATE_NOOP("CFeedRules", "Write midnight as 0, not 24.")},
    {Id::SkipHourDuplicate, "skiphours-duplicate", E, QT_TRANSLATE_NOOP("CFeedRules", "This hour is already listed.")},
    {Id::SkipHoursTooMany, "skiphours-too-many", E, QT_TRANSLATE_NOOP("CFeedRules", "skipHours lists more than 24 hours.")},
    {Id::SkipDaysEmpty, "skipdays-empty", E, QT_TRANSLATE_NOOP("CFeedRules", "skipDays lists no day.")},
    {Id::SkipDay, "skipdays-day", E, QT_TRANSLATE_NOOP("CFeedRules", "A day must be an English day name: Monday to Sunday.")},
    {Id::SkipDayDuplicate, "skipdays-duplicate", E, QT_TRANSLATE_NOOP("CFeedRules", "This day is already listed.")},
    {Id::SkipDaysTooMany, "skipdays-too-many", E, QT_TRANSLATE_NOOP("CFeedRules", "skipDays lists more than seven days.")},

    {Id::ItemTitleOrDescription, "item-title-or-description", E, QT_TRANSLATE_NOOP("CFeedRules", "A post needs a title or a description.")},
    {Id::GuidMissing, "guid-missing", W, QT_TRANSLATE_NOOP("CFeedRules", "The post has no guid, so readers may show it again as new after an edit.")},
    {Id::GuidBlank, "guid-blank", E, QT_TRANSLATE_NOOP("CFeedRules", "The guid is empty.")},
    {Id::GuidNotUrl, "guid-permalink-not-url", E, QT_TRANSLATE_NOOP("CFeedRules", "A guid that is a permalink must be a full URL; if it is not a link, add isPermaLink=\"false\".")},
    {Id::GuidNotWebLink, "guid-permalink-not-web", E, QT_TRANSLATE_NOOP("CFeedRules", "A permalink guid must be a web address (http or https); if it is not, add isPermaLink=\"false\".")},
    {Id::GuidPermaLinkValue, "guid-ispermalink", E, QT_TRANSLATE_NOOP("CFeedRules", "isPermaLink must be exactly \"true\" or \"false\".")},
    {Id::GuidDuplicate, "guid-duplicate", E, QT_TRANSLATE_NOOP("CFeedRules", "Another post of the feed has the same guid.")},
    {Id::GuidNotUnique, "guid-short", W, QT_TRANSLATE_NOOP("CFeedRules", "A guid of a few digits is not unique beyond this feed; readers may confuse it with another feed's post.")},
    {Id::EnclosureMissingAttribute, "enclosure-attribute-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "An enclosure needs url, length and type.")},
    {Id::EnclosureLength, "enclosure-length", E, QT_TRANSLATE_NOOP("CFeedRules", "The enclosure length must be a whole number of bytes, 0 when unknown.")},
    {Id::EnclosureType, "enclosure-type", E, QT_TRANSLATE_NOOP("CFeedRules", "The enclosure type must be a media type such as \"audio/mpeg\".")},
    {Id::EnclosureSeveral, "enclosure-several", W, QT_TRANSLATE_NOOP("CFeedRules", "The post has more than one enclosure; most readers take only the first.")},
    {Id::SourceMissingUrl, "source-url-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "A source needs the url of the feed it comes from.")},
    {Id::ContentBeforeDescription, "content-before-description", W, QT_TRANSLATE_NOOP("CFeedRules", "Give the post a description before its content:encoded; some readers take only the description, or only the first of the two.")},
    {Id::SlashCommentsInvalid, "slash-comments", E, QT_TRANSLATE_NOOP("CFeedRules", "The number of comments (slash:comments) must be a whole number, 0 or more.")},

    {Id::DescriptionScript, "description-script", W, QT_TRANSLATE_NOOP("CFeedRules", "The description holds a script, which readers remove or refuse.")},
    {Id::DescriptionFrame, "description-iframe", W, QT_TRANSLATE_NOOP("CFeedRules", "The description holds a frame, which many readers remove.")},
    {Id::DescriptionEventAttribute, "description-event-attribute", W, QT_TRANSLATE_NOOP("CFeedRules", "The description holds an event attribute (on...), which readers remove.")},
    {Id::DescriptionActiveTag, "description-active-tag", W, QT_TRANSLATE_NOOP("CFeedRules", "The description holds a tag that readers remove as a risk (embed, object, meta, style and the like).")},
    {Id::DescriptionRelativeLink, "description-relative-link", W, QT_TRANSLATE_NOOP("CFeedRules", "A relative link in the description; readers do not know what it is relative to. Write the full address.")},

    {Id::ItunesExplicit, "itunes-explicit", E, QT_TRANSLATE_NOOP("CFeedRules", "itunes:explicit must be \"true\" or \"false\".")},
    {Id::ItunesExplicitOld, "itunes-explicit-old", I, QT_TRANSLATE_NOOP("CFeedRules", "Apple Podcasts now asks for \"true\" or \"false\" here, not yes, no or clean.")},
    {Id::ItunesCategory, "itunes-category", E, QT_TRANSLATE_NOOP("CFeedRules", "Not one of Apple Podcasts' categories.")},
    {Id::ItunesSubcategory, "itunes-subcategory", E, QT_TRANSLATE_NOOP("CFeedRules", "Not a subcategory of this Apple Podcasts category.")},
    {Id::ItunesDuration, "itunes-duration", E, QT_TRANSLATE_NOOP("CFeedRules", "The duration must be seconds, or minutes and seconds as mm:ss, or hh:mm:ss.")},
    {Id::ItunesEpisodeNumber, "itunes-episode", E, QT_TRANSLATE_NOOP("CFeedRules", "The episode number must be a whole number above 0.")},
    {Id::ItunesSeasonNumber, "itunes-season", E, QT_TRANSLATE_NOOP("CFeedRules", "The season number must be a whole number above 0.")},
    {Id::ItunesEpisodeType, "itunes-episode-type", E, QT_TRANSLATE_NOOP("CFeedRules", "The episode type must be full, trailer or bonus.")},
    {Id::ItunesType, "itunes-type", E, QT_TRANSLATE_NOOP("CFeedRules", "The show type must be episodic or serial.")},
    {Id::ItunesYesNo, "itunes-yes", E, QT_TRANSLATE_NOOP("CFeedRules", "itunes:block and itunes:complete take \"Yes\", or \"No\".")},
    {Id::PodcastGuid, "podcast-guid", E, QT_TRANSLATE_NOOP("CFeedRules", "podcast:guid must be a UUID such as \"ead4c236-bf58-58c6-a2c6-a6b28d128cb6\".")},
    {Id::PodcastLocked, "podcast-locked", E, QT_TRANSLATE_NOOP("CFeedRules", "podcast:locked must be \"yes\" or \"no\".")},
    {Id::PodcastHttps, "podcast-https", W, QT_TRANSLATE_NOOP("CFeedRules", "Podcast tags should link with https addresses.")},
    {Id::NamespaceMisspelled, "namespace-misspelled", E, QT_TRANSLATE_NOOP("CFeedRules", "The namespace address is close to the podcast or iTunes namespace but not it; readers will not know the tags.")},
    {Id::PodcastTagUnknown, "podcast-tag-unknown", E, QT_TRANSLATE_NOOP("CFeedRules", "The podcast namespace has no such tag.")},
    {Id::PodcastParent, "podcast-parent", E, QT_TRANSLATE_NOOP("CFeedRules", "This podcast tag does not belong in this element.")},
    {Id::PodcastAttributeMissing, "podcast-attribute-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The podcast tag lacks an attribute it requires.")},
    {Id::PodcastChildMissing, "podcast-child-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The podcast tag lacks an element it requires inside it.")},
    {Id::PodcastTextMissing, "podcast-text-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The podcast tag needs a value; it is empty.")},
    {Id::PodcastTextLong, "podcast-text-long", W, QT_TRANSLATE_NOOP("CFeedRules", "The value is longer than podcast apps show; they may cut it.")},
    {Id::PodcastValue, "podcast-value", E, QT_TRANSLATE_NOOP("CFeedRules", "The value is not one this podcast tag takes.")},
    {Id::PodcastValueUncommon, "podcast-value-uncommon", W, QT_TRANSLATE_NOOP("CFeedRules", "Few podcast apps know this value.")},
    {Id::PodcastUuid, "podcast-uuid", E, QT_TRANSLATE_NOOP("CFeedRules", "Not a podcast GUID, a UUID such as \"917393e3-1b1e-5cef-ace4-edaa54e1f810\".")},
    {Id::PodcastDate, "podcast-date", E, QT_TRANSLATE_NOOP("CFeedRules", "Not an ISO 8601 date and time such as \"2021-09-26T07:30:00-06:00\".")},
    {Id::PodcastNumber, "podcast-number", E, QT_TRANSLATE_NOOP("CFeedRules", "Not a number of the form this podcast tag asks for.")},
    {Id::PodcastTime, "podcast-time", E, QT_TRANSLATE_NOOP("CFeedRules", "A time must be seconds, such as \"73\" or \"1234.5\".")},
    {Id::PodcastSelfLinkMissing, "podcast-self-link-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "A podcast gives its own address (atom:link rel=\"self\"); PSP-1 requires it.")},
    {Id::PodcastImageMissing, "podcast-image-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The podcast has no artwork: podcast directories require an itunes:image with an href.")},
    {Id::PodcastLanguageMissing, "podcast-language-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The podcast has no language; podcast directories require one.")},
    {Id::PodcastCategoryMissing, "podcast-category-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The podcast has no itunes:category; podcast directories require one.")},
    {Id::PodcastExplicitMissing, "podcast-explicit-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The podcast has no itunes:explicit; podcast directories require \"true\" or \"false\".")},
    {Id::PodcastDescriptionLong, "podcast-description-long", E, QT_TRANSLATE_NOOP("CFeedRules", "Apple Podcasts takes a show description of at most 4000 bytes.")},
    {Id::PodcastItemTitleMissing, "podcast-item-title-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The episode has no title; podcast directories require one.")},
    {Id::PodcastEnclosureMissing, "podcast-enclosure-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The episode has no enclosure, the media file podcast apps play.")},
    {Id::PodcastItemGuidMissing, "podcast-item-guid-missing", E, QT_TRANSLATE_NOOP("CFeedRules", "The episode has no guid; PSP-1 requires one so that apps do not download it again.")},
    {Id::PodcastLockedMissing, "podcast-locked-missing", W, QT_TRANSLATE_NOOP("CFeedRules", "PSP-1 recommends podcast:locked, which tells other platforms whether they may import the feed.")},
    {Id::PodcastGuidMissing, "podcast-guid-missing", W, QT_TRANSLATE_NOOP("CFeedRules", "PSP-1 recommends podcast:guid, the podcast's identity that stays when its address moves.")},
    {Id::PodcastAttributeRecommended, "podcast-attribute-recommended", W, QT_TRANSLATE_NOOP("CFeedRules", "The podcast namespace recommends this attribute; apps use it to show the tag well.")},
    {Id::PodcastTagRetired, "podcast-tag-retired", W, QT_TRANSLATE_NOOP("CFeedRules", "The podcast namespace has retired this tag in favour of another.")},
    {Id::PodcastExplicitOld, "podcast-explicit-old", W, QT_TRANSLATE_NOOP("CFeedRules", "Apple Podcasts asks for \"true\" or \"false\" here, not yes, no or clean.")},
    {Id::ItunesImageFormat, "itunes-image-format", E, QT_TRANSLATE_NOOP("CFeedRules", "Apple Podcasts takes artwork as a JPEG or PNG file (.jpg or .png).")},
    {Id::ItunesImageSize, "itunes-image-size", E, QT_TRANSLATE_NOOP("CFeedRules", "Apple Podcasts takes square artwork from 1400 x 1400 to 3000 x 3000 pixels.")},
    {Id::ItunesImageColour, "itunes-image-colour", E, QT_TRANSLATE_NOOP("CFeedRules", "Apple Podcasts takes artwork in the RGB colour space, not greyscale or CMYK.")},
    {Id::ItunesImageUnreadable, "itunes-image-unreadable", W, QT_TRANSLATE_NOOP("CFeedRules", "The artwork file cannot be read, so its size and colours are not checked.")},
}};

} // namespace

const CFeedRules::Rule &CFeedRules::Get(Id id)
{
    const Rule &rule = kRules[size_t(id)];
    Q_ASSERT(rule.id == id);
    return rule;
}

QString CFeedRules::Message(Id id)
{
    return QCoreApplication::translate("CFeedRules", Get(id).message);
}

QList<CFeedRules::Rule> CFeedRules::All()
{
    return QList<Rule>(kRules.begin(), kRules.end());
}

QString CFeedRules::LevelName(Level level)
{
    switch (level) {
    case Level::Error:
        return QStringLiteral("error");
    case Level::Warning:
        return QStringLiteral("warning");
    case Level::Info:
        break;
    }
    return QStringLiteral("info");
}
