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
    {Id::NotWellFormed, "xml-not-well-formed", E, "The file is not well-formed XML; no reader can read it."},
    {Id::BadEncoding, "xml-encoding", E, "The file's bytes do not fit the encoding it declares."},
    {Id::UndefinedEntity, "xml-undefined-entity", E, "The file uses an entity XML does not define, such as &nbsp;; write the character or a numeric reference."},
    {Id::DeclaredEntity, "xml-declared-entity", E, "The file defines entities of its own, which many readers do not expand."},
    {Id::InvalidCharacter, "xml-invalid-character", E, "The file holds a control character that XML does not allow."},

    {Id::NotRss, "rss-root", E, "The file's top element is not rss."},
    {Id::RssVersion, "rss-version", E, "The rss element needs version=\"2.0\"."},
    {Id::ExtensionAttribute, "rss-extension-attribute", W, "An attribute from another vocabulary on rss; readers ignore it."},
    {Id::MissingChannel, "rss-channel-missing", E, "The feed has no channel."},
    {Id::DuplicateElement, "element-duplicate", E, "This element may appear only once here."},
    {Id::UnknownElement, "element-unknown", E, "RSS has no such element here; elements of other vocabularies need a namespace."},
    {Id::UnboundPrefix, "element-prefix-unbound", E, "The element's prefix is not declared with xmlns."},
    {Id::NoNamespace, "element-namespace-missing", E, "An element without a namespace inside another vocabulary's element; readers cannot tell what it means."},
    {Id::UnexpectedText, "element-text-unexpected", E, "This element holds other elements, not text."},
    {Id::MisplacedItem, "channel-item-misplaced", W, "Items should follow all of the channel's other elements."},
    {Id::ChannelMissingTitle, "channel-title-missing", E, "The channel has no title."},
    {Id::ChannelMissingLink, "channel-link-missing", E, "The channel has no link to its web site."},
    {Id::ChannelMissingDescription, "channel-description-missing", E, "The channel has no description."},
    {Id::BlankTitle, "title-blank", W, "The title is empty."},
    {Id::LanguageInvalid, "language-invalid", E, "Not a language code such as \"en\" or \"en-us\"."},
    {Id::TtlInvalid, "ttl-invalid", E, "The time to live must be a whole number of minutes above 0."},
    {Id::MissingSelfLink, "atom-self-missing", W, "The channel does not give its own address (atom:link rel=\"self\"), which readers use to follow a moved feed."},

    {Id::UrlNotAbsolute, "url-not-absolute", E, "Not a full address; write it with its scheme and host, as \"https://example.org/page\"."},
    {Id::UrlScheme, "url-scheme", W, "Few readers can follow an address of this scheme; use http: or https:."},
    {Id::TextContainsHtml, "text-html", W, "This is plain text, but it holds HTML markup or an HTML entity that readers will show as written."},
    {Id::DateInvalid, "date-invalid", E, "Not a date in the form \"Wed, 02 Oct 2002 13:00:00 GMT\"."},
    {Id::DateProblematical, "date-problematical", W, "The date has a form that many readers get wrong."},
    {Id::DateImplausible, "date-implausible", W, "The date is in the future or before 1990."},
    {Id::EmailInvalid, "email-invalid", E, "Not an e-mail address; write one as \"jo@example.org (Jo Smith)\"."},
    {Id::EmailForm, "email-form", W, "RSS writes an e-mail address as \"jo@example.org (Jo Smith)\"."},
    {Id::EmailNoName, "email-name-missing", W, "Add the person's name after the address: \"jo@example.org (Jo Smith)\"."},

    {Id::ImageMissingUrl, "image-url-missing", E, "The image has no url."},
    {Id::ImageMissingTitle, "image-title-missing", E, "The image has no title."},
    {Id::ImageMissingLink, "image-link-missing", E, "The image has no link."},
    {Id::ImageWidth, "image-width", E, "The image width must be a whole number from 1 to 144."},
    {Id::ImageHeight, "image-height", E, "The image height must be a whole number from 1 to 400."},
    {Id::ImageLinkMismatch, "image-link-mismatch", W, "The image link differs from the channel's link."},
    {Id::ImageTitleMismatch, "image-title-mismatch", W, "The image title differs from the channel's title."},
    {Id::ImageFormat, "image-format", W, "The channel image should be a GIF, JPEG or PNG file."},

    {Id::TextInputMissingTitle, "textinput-title-missing", E, "The text input has no title."},
    {Id::TextInputMissingDescription, "textinput-description-missing", E, "The text input has no description."},
    {Id::TextInputMissingName, "textinput-name-missing", E, "The text input has no name."},
    {Id::TextInputMissingLink, "textinput-link-missing", E, "The text input has no link."},
    {Id::TextInputName, "textinput-name-invalid", E, "The text input's name must be a form field name: a letter, then letters, digits, '-', '_', ':' or '.'."},
    {Id::CloudMissingAttribute, "cloud-attribute-missing", E, "The cloud needs all of domain, port, path, registerProcedure and protocol."},
    {Id::CloudPort, "cloud-port", E, "The cloud port must be a whole number from 1 to 65535."},
    {Id::CloudProtocol, "cloud-protocol", E, "The cloud protocol must be xml-rpc, soap or http-post."},
    {Id::SkipHoursEmpty, "skiphours-empty", E, "skipHours lists no hour."},
    {Id::SkipHour, "skiphours-hour", E, "An hour must be a whole number from 0 to 23."},
    {Id::SkipHourMidnight, "skiphours-24", W, "Write midnight as 0, not 24."},
    {Id::SkipHourDuplicate, "skiphours-duplicate", E, "This hour is already listed."},
    {Id::SkipHoursTooMany, "skiphours-too-many", E, "skipHours lists more than 24 hours."},
    {Id::SkipDaysEmpty, "skipdays-empty", E, "skipDays lists no day."},
    {Id::SkipDay, "skipdays-day", E, "A day must be an English day name: Monday to Sunday."},
    {Id::SkipDayDuplicate, "skipdays-duplicate", E, "This day is already listed."},
    {Id::SkipDaysTooMany, "skipdays-too-many", E, "skipDays lists more than seven days."},

    {Id::ItemTitleOrDescription, "item-title-or-description", E, "A post needs a title or a description."},
    {Id::GuidMissing, "guid-missing", W, "The post has no guid, so readers may show it again as new after an edit."},
    {Id::GuidBlank, "guid-blank", E, "The guid is empty."},
    {Id::GuidNotUrl, "guid-permalink-not-url", E, "A guid that is a permalink must be a full URL; if it is not a link, add isPermaLink=\"false\"."},
    {Id::GuidNotWebLink, "guid-permalink-not-web", E, "A permalink guid must be a web address (http or https); if it is not, add isPermaLink=\"false\"."},
    {Id::GuidPermaLinkValue, "guid-ispermalink", E, "isPermaLink must be exactly \"true\" or \"false\"."},
    {Id::GuidDuplicate, "guid-duplicate", E, "Another post of the feed has the same guid."},
    {Id::GuidNotUnique, "guid-short", W, "A guid of a few digits is not unique beyond this feed; readers may confuse it with another feed's post."},
    {Id::EnclosureMissingAttribute, "enclosure-attribute-missing", E, "An enclosure needs url, length and type."},
    {Id::EnclosureLength, "enclosure-length", E, "The enclosure length must be a whole number of bytes, 0 when unknown."},
    {Id::EnclosureType, "enclosure-type", E, "The enclosure type must be a media type such as \"audio/mpeg\"."},
    {Id::EnclosureSeveral, "enclosure-several", W, "The post has more than one enclosure; most readers take only the first."},
    {Id::SourceMissingUrl, "source-url-missing", E, "A source needs the url of the feed it comes from."},
    {Id::ContentBeforeDescription, "content-before-description", W, "Give the post a description before its content:encoded; some readers take only the description, or only the first of the two."},

    {Id::DescriptionScript, "description-script", W, "The description holds a script, which readers remove or refuse."},
    {Id::DescriptionFrame, "description-iframe", W, "The description holds a frame, which many readers remove."},
    {Id::DescriptionEventAttribute, "description-event-attribute", W, "The description holds an event attribute (on...), which readers remove."},
    {Id::DescriptionActiveTag, "description-active-tag", W, "The description holds a tag that readers remove as a risk (embed, object, meta and the like)."},
    {Id::DescriptionRelativeLink, "description-relative-link", W, "A relative link in the description; readers do not know what it is relative to. Write the full address."},

    {Id::ItunesExplicit, "itunes-explicit", E, "itunes:explicit must be \"true\" or \"false\"."},
    {Id::ItunesExplicitOld, "itunes-explicit-old", I, "Apple Podcasts now asks for \"true\" or \"false\" here, not yes, no or clean."},
    {Id::ItunesCategory, "itunes-category", E, "Not one of Apple Podcasts' categories."},
    {Id::ItunesSubcategory, "itunes-subcategory", E, "Not a subcategory of this Apple Podcasts category."},
    {Id::ItunesDuration, "itunes-duration", E, "The duration must be seconds, or minutes and seconds as mm:ss, or hh:mm:ss."},
    {Id::ItunesEpisodeNumber, "itunes-episode", E, "The episode number must be a whole number above 0."},
    {Id::ItunesSeasonNumber, "itunes-season", E, "The season number must be a whole number above 0."},
    {Id::ItunesEpisodeType, "itunes-episode-type", E, "The episode type must be full, trailer or bonus."},
    {Id::ItunesType, "itunes-type", E, "The show type must be episodic or serial."},
    {Id::ItunesYesNo, "itunes-yes", E, "itunes:block and itunes:complete take \"Yes\", or \"No\"."},
    {Id::PodcastGuid, "podcast-guid", E, "podcast:guid must be a UUID such as \"ead4c236-bf58-58c6-a2c6-a6b28d128cb6\"."},
    {Id::PodcastLocked, "podcast-locked", E, "podcast:locked must be \"yes\" or \"no\"."},
    {Id::PodcastHttps, "podcast-https", W, "Podcast tags should link with https addresses."},
}};

} // namespace

const CFeedRules::Rule &CFeedRules::Get(Id id)
{
    const Rule &rule = kRules[size_t(id)];
    Q_ASSERT(rule.id == id);
    return rule;
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
