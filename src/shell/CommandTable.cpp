#include "shell/CommandTable.h"

#include "commands/CommandIds.h"

#include <QCoreApplication>

#include <iterator>

namespace {

// The File menu.
const CommandInfo kFileCommands[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("Command", "&New"), "Ctrl+N", QT_TRANSLATE_NOOP("Command", "Create a new feed"), "document-new", ":/shell/icons/new.png", QT_TRANSLATE_NOOP("Command", "New")},
    {ID_FILE_OPEN, QT_TRANSLATE_NOOP("Command", "&Open\u2026"), "Ctrl+O", QT_TRANSLATE_NOOP("Command", "Open an existing feed"), "document-open", ":/shell/icons/open.png", QT_TRANSLATE_NOOP("Command", "Open")},
    {ID_FILE_OPEN_LOCATION, QT_TRANSLATE_NOOP("Command", "Open &Location\u2026"), "Ctrl+Shift+O", QT_TRANSLATE_NOOP("Command", "Open a feed from its web address, to edit and keep a copy of"), "document-open-remote", ""},
    {ID_FILE_CLOSE, QT_TRANSLATE_NOOP("Command", "&Close"), "", QT_TRANSLATE_NOOP("Command", "Close the active feed"), "document-close", ""},
    {ID_FILE_SAVE, QT_TRANSLATE_NOOP("Command", "&Save"), "Ctrl+S", QT_TRANSLATE_NOOP("Command", "Save the active feed"), "document-save", ":/shell/icons/save.png", QT_TRANSLATE_NOOP("Command", "Save")},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("Command", "Save &As\u2026"), "Ctrl+Shift+S", QT_TRANSLATE_NOOP("Command", "Save the active feed with a new name"), "document-save-as", ""},
    {ID_FILE_NEW_EPISODE_FROM_AUDIO, QT_TRANSLATE_NOOP("Command", "New &Episode from Audio\u2026"), "", QT_TRANSLATE_NOOP("Command", "Add a podcast episode for each audio file chosen, from its tags"), "", ""},
    {ID_FILE_PUBLISH, QT_TRANSLATE_NOOP("Command", "P&ublish"), "Ctrl+Shift+P", QT_TRANSLATE_NOOP("Command", "Upload the saved feed to its server or folder"), "document-send", ""},
    {ID_FILE_PUBLISH_SETTINGS, QT_TRANSLATE_NOOP("Command", "Publish Se&ttings\u2026"), "", QT_TRANSLATE_NOOP("Command", "Choose where the feed is published and how to sign in"), "", ""},
    {ID_FILE_PRINT, QT_TRANSLATE_NOOP("Command", "&Print\u2026"), "", QT_TRANSLATE_NOOP("Command", "Print the current post as the editor shows it"), "document-print", ""},
    {ID_FILE_PRINT_PREVIEW, QT_TRANSLATE_NOOP("Command", "Print Pre&view"), "", QT_TRANSLATE_NOOP("Command", "Show the printout of the current post"), "document-print-preview", ""},
    {ID_FILE_PRINT_SETUP, QT_TRANSLATE_NOOP("Command", "P&rint Setup\u2026"), "", QT_TRANSLATE_NOOP("Command", "Change the paper, orientation and margins of printouts"), "document-page-setup", ""},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("Command", "E&xit"), "Ctrl+Q", QT_TRANSLATE_NOOP("Command", "Quit the application; prompts to save feeds"), "application-exit", ""},
};

// The Edit, Format and Insert menus.
const CommandInfo kEditCommands[] = {
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("Command", "&Undo"), "Ctrl+Z; Alt+Backspace", QT_TRANSLATE_NOOP("Command", "Undo the last action"), "edit-undo", ""},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("Command", "&Redo"), "Ctrl+Shift+Z; Ctrl+Y", QT_TRANSLATE_NOOP("Command", "Make the last undone change again"), "edit-redo", ""},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("Command", "Cu&t"), "Ctrl+X; Shift+Del", QT_TRANSLATE_NOOP("Command", "Cut the selection and put it on the Clipboard"), "edit-cut", ":/shell/icons/cut.png", QT_TRANSLATE_NOOP("Command", "Cut")},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("Command", "&Copy"), "Ctrl+C; Ctrl+Ins", QT_TRANSLATE_NOOP("Command", "Copy the selection and put it on the Clipboard"), "edit-copy", ":/shell/icons/copy.png", QT_TRANSLATE_NOOP("Command", "Copy")},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("Command", "&Paste"), "Ctrl+V; Shift+Ins", QT_TRANSLATE_NOOP("Command", "Insert Clipboard contents"), "edit-paste", ":/shell/icons/paste.png", QT_TRANSLATE_NOOP("Command", "Paste")},
    {ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("Command", "Select &All"), "Ctrl+A", QT_TRANSLATE_NOOP("Command", "Select the entire description"), "edit-select-all", ""},

    // Format
    {ID_FORMAT_BOLD, QT_TRANSLATE_NOOP("Command", "&Bold"), "Ctrl+B", QT_TRANSLATE_NOOP("Command", "Make the selected text bold"), "format-text-bold", ""},
    {ID_FORMAT_ITALIC, QT_TRANSLATE_NOOP("Command", "&Italic"), "Ctrl+I", QT_TRANSLATE_NOOP("Command", "Make the selected text italic"), "format-text-italic", ""},
    {ID_FORMAT_UNDERLINE, QT_TRANSLATE_NOOP("Command", "&Underline"), "Ctrl+U", QT_TRANSLATE_NOOP("Command", "Underline the selected text"), "format-text-underline", ""},
    {ID_FORMAT_STRIKEOUT, QT_TRANSLATE_NOOP("Command", "&Strikethrough"), "", QT_TRANSLATE_NOOP("Command", "Strike through the selected text"), "format-text-strikethrough", ""},
    {ID_FORMAT_UL_LIST, QT_TRANSLATE_NOOP("Command", "UL &List"), "", QT_TRANSLATE_NOOP("Command", "Make the paragraph an item of a bulleted list"), "format-list-unordered", ""},
    {ID_REMOVE_SPANS_AND_STYLES, QT_TRANSLATE_NOOP("Command", "&Remove SPAN and styles"), "", QT_TRANSLATE_NOOP("Command", "Remove the span tags and inline styles of the description"), "", ""},
    {ID_REMOVE_NBSP, QT_TRANSLATE_NOOP("Command", "R&emove &&nbsp;"), "", QT_TRANSLATE_NOOP("Command", "Turn the non-breaking spaces of the description into plain spaces"), "", ""},
    {ID_INSERT_TEST, QT_TRANSLATE_NOOP("Command", "Insert &Test"), "", QT_TRANSLATE_NOOP("Command", "Show the tag of the element at the caret"), "", ""},
    // Insert
    {ID_INSERT_HYPERLINK, QT_TRANSLATE_NOOP("Command", "&Hyperlink\u2026"), "Ctrl+K", QT_TRANSLATE_NOOP("Command", "Insert a hyperlink on the selection, or change the one at the caret"), "insert-link", ""},
    {ID_INSERT_IMAGE, QT_TRANSLATE_NOOP("Command", "&Image"), "Ctrl+L", QT_TRANSLATE_NOOP("Command", "Insert an image, or change the one at the caret"), "insert-image", ""},
};

// The Posts menu.
const CommandInfo kPostCommands[] = {
    {ID_POST_ADD, QT_TRANSLATE_NOOP("Command", "&Add Post\u2026"), "Ctrl+D", QT_TRANSLATE_NOOP("Command", "Add new post"), "list-add", ":/shell/icons/add.png"},
    {ID_POST_ADD_LIVE, QT_TRANSLATE_NOOP("Command", "New Li&ve Item"), "",
     QT_TRANSLATE_NOOP("Command", "Add a live stream, pending, at the top of the posts"), "media-record", ""},
    {ID_POST_RENAME, QT_TRANSLATE_NOOP("Command", "Re&name Post\u2026"), "Ctrl+G", QT_TRANSLATE_NOOP("Command", "Rename selected post"), "", ""},
    {ID_POST_DUPLICATE, QT_TRANSLATE_NOOP("Command", "&Duplicate Post"), "Ctrl+Shift+D", QT_TRANSLATE_NOOP("Command", "Duplicate selected post"), "edit-copy", ":/shell/icons/duplicate.png"},
    {ID_POST_DUPLICATE_DELETE, QT_TRANSLATE_NOOP("Command", "Duplicate + Dele&te"), "", QT_TRANSLATE_NOOP("Command", "Duplicate selected post + delete origin"), "", ""},
    {ID_POST_SET_DATE_NOW, QT_TRANSLATE_NOOP("Command", "&Set Date to Now"), "", QT_TRANSLATE_NOOP("Command", "Date the selected post with the present time"), "", ""},
    {ID_POST_DELETE, QT_TRANSLATE_NOOP("Command", "De&lete Post\u2026"), "", QT_TRANSLATE_NOOP("Command", "Delete selected post"), "edit-delete", ":/shell/icons/delete.png"},
    {ID_SORT_BY_POSITION, QT_TRANSLATE_NOOP("Command", "Sort By &Position"), "", QT_TRANSLATE_NOOP("Command", "Sort the posts by their position in the feed"), "", ""},
    {ID_SORT_BY_TITLE, QT_TRANSLATE_NOOP("Command", "Sort By T&itle"), "", QT_TRANSLATE_NOOP("Command", "Sort the posts by title"), "", ""},
    {ID_SORT_BY_DATE, QT_TRANSLATE_NOOP("Command", "Sort By Date Cr&eated"), "", QT_TRANSLATE_NOOP("Command", "Sort the posts by date created, newest first"), "", ""},
    {ID_POST_BACK, QT_TRANSLATE_NOOP("Command", "&Back"), "Alt+Left", QT_TRANSLATE_NOOP("Command", "Go back to the post shown before"), "go-previous", ":/shell/icons/back.png"},
    {ID_POST_FORWARD, QT_TRANSLATE_NOOP("Command", "&Forward"), "Alt+Right", QT_TRANSLATE_NOOP("Command", "Go forward to the post shown before going back"), "go-next", ":/shell/icons/forward.png"},
    {ID_POST_RELOAD, QT_TRANSLATE_NOOP("Command", "&Reload\u2026"), "", QT_TRANSLATE_NOOP("Command", "Reload the current feed from disk"), "view-refresh", ""},
    {ID_COPY_TITLE, QT_TRANSLATE_NOOP("Command", "&Copy Title"), "", QT_TRANSLATE_NOOP("Command", "Copy the title of the selected post to the Clipboard"), "", ""},
    // The funnel is the program's own picture, whatever the desktop theme.
    {ID_FILTERING, QT_TRANSLATE_NOOP("Command", "Filterin&g"), "Ctrl+F", QT_TRANSLATE_NOOP("Command", "Filter posts by title"), "", ":/shell/icons/filter.png", QT_TRANSLATE_NOOP("Command", "Filtering")},
};

// The Feed and Tools menus.
const CommandInfo kFeedCommands[] = {
    {ID_FEED_PROPERTIES, QT_TRANSLATE_NOOP("Command", "Feed &Properties\u2026"), "Ctrl+Shift+F", QT_TRANSLATE_NOOP("Command", "Edit the channel of the feed: title, description, image, podcast tags and the other elements"), "document-properties", ""},
    {ID_FEED_MOVE, QT_TRANSLATE_NOOP("Command", "&Move Feed\u2026"), "", QT_TRANSLATE_NOOP("Command", "Give the feed a new address and tell subscribers' apps to follow it there"), "", ""},

    // Tools
    {ID_POST_COPY_FEED, QT_TRANSLATE_NOOP("Command", "&Copy RSS Feed"), "", QT_TRANSLATE_NOOP("Command", "Copy entire RSS feed code in clipboard"), "", ""},
    {ID_W3C_VALIDATOR, QT_TRANSLATE_NOOP("Command", "&W3C RSS Validator\u2026"), "", QT_TRANSLATE_NOOP("Command", "Open the W3C feed validation service to check a pasted feed"), "", ":/shell/icons/validate.png"},
    {ID_OPEN_BACKUP_FOLDER, QT_TRANSLATE_NOOP("Command", "Open &Backup Folder"), "", QT_TRANSLATE_NOOP("Command", "Open backup folder for RSS-feeds"), "folder-open", ""},
    {ID_PREFERENCES, QT_TRANSLATE_NOOP("Command", "&Preferences\u2026"), "", QT_TRANSLATE_NOOP("Command", "Choose whether edited posts get a footer, and its text"), "preferences-system", ""},

    // Feed
    {ID_FEED_CHECK, QT_TRANSLATE_NOOP("Command", "&Check Feed"), "F7", QT_TRANSLATE_NOOP("Command", "Check the feed for problems and list them in the Problems pane"), "tools-check-spelling", ""},
};

// The View, Window and Help menus.
const CommandInfo kViewCommands[] = {
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("Command", "&Toolbar"), "", QT_TRANSLATE_NOOP("Command", "Show or hide the toolbar"), "", ""},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("Command", "&Status Bar"), "", QT_TRANSLATE_NOOP("Command", "Show or hide the status bar"), "", ""},
    {ID_VIEW_POSTS_BAR, QT_TRANSLATE_NOOP("Command", "RSS P&osts"), "Ctrl+T", QT_TRANSLATE_NOOP("Command", "Show or hide the RSS posts bar"), "", "", QT_TRANSLATE_NOOP("Command", "Toggle Posts Bar")},
    {ID_VIEW_PREVIEW, QT_TRANSLATE_NOOP("Command", "Pre&view"), "Ctrl+P", QT_TRANSLATE_NOOP("Command", "Show or hide the HTML-code preview"), "", "", QT_TRANSLATE_NOOP("Command", "Toggle Items Bar")},
    {ID_VIEW_POST_DETAILS, QT_TRANSLATE_NOOP("Command", "Post &Details"), "Ctrl+Shift+E", QT_TRANSLATE_NOOP("Command", "Show or hide the pane with the date, guid, categories, enclosures and podcast tags of the post"), "", ""},
    {ID_VIEW_UNDO_HISTORY, QT_TRANSLATE_NOOP("Command", "Undo &History"), "", QT_TRANSLATE_NOOP("Command", "Show or hide the list of changes to the active feed"), "", ""},
    {ID_VIEW_PROBLEMS, QT_TRANSLATE_NOOP("Command", "P&roblems"), "", QT_TRANSLATE_NOOP("Command", "Show or hide the list of the problems the last check found"), "", ""},

    // Window
    {ID_WINDOW_CASCADE, QT_TRANSLATE_NOOP("Command", "&Cascade"), "", QT_TRANSLATE_NOOP("Command", "Arrange the feed windows so they overlap"), "", ""},
    {ID_WINDOW_TILE, QT_TRANSLATE_NOOP("Command", "&Tile"), "", QT_TRANSLATE_NOOP("Command", "Arrange the feed windows side by side"), "", ""},
    {ID_WINDOW_NEXT, QT_TRANSLATE_NOOP("Command", "Ne&xt"), "Ctrl+Tab", QT_TRANSLATE_NOOP("Command", "Activate the next feed window"), "", ""},
    {ID_WINDOW_PREVIOUS, QT_TRANSLATE_NOOP("Command", "Pre&vious"), "Ctrl+Shift+Tab; Ctrl+Shift+Backtab", QT_TRANSLATE_NOOP("Command", "Activate the previous feed window"), "", ""},

    // Help
    {ID_HELP_GUIDE, QT_TRANSLATE_NOOP("Command", "Tidrel &Help"), "F1", QT_TRANSLATE_NOOP("Command", "Show the user guide of Tidrel"), "help-contents", ""},
    {ID_HELP_ABOUT_ENGINE, QT_TRANSLATE_NOOP("Command", "About Qt &WebEngine"), "", QT_TRANSLATE_NOOP("Command", "Open the home page of Qt WebEngine, the HTML engine of Tidrel, in the web browser"), "", ""},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("Command", "&About Tidrel\u2026"), "Ctrl+Alt+F1", QT_TRANSLATE_NOOP("Command", "Display program information, version number and copyright"), "help-about", ":/shell/icons/about.png", QT_TRANSLATE_NOOP("Command", "About")},
};

template <size_t N>
void append(std::vector<CommandInfo> &table, const CommandInfo (&commands)[N])
{
    table.insert(table.end(), std::begin(commands), std::end(commands));
}

} // namespace

const std::vector<CommandInfo> &commandTable()
{
    static const std::vector<CommandInfo> table = [] {
        std::vector<CommandInfo> all;
        append(all, kFileCommands);
        append(all, kEditCommands);
        append(all, kPostCommands);
        append(all, kFeedCommands);
        append(all, kViewCommands);
        return all;
    }();
    return table;
}

const CommandInfo *findCommand(int id)
{
    for (const CommandInfo &info : commandTable()) {
        if (info.id == id)
            return &info;
    }
    return nullptr;
}
