#include "shell/CommandTable.h"

#include "document/CommandIds.h"

const std::vector<CommandInfo> &commandTable()
{
    static const std::vector<CommandInfo> table = {
        // File
        {ID_FILE_NEW, "&New", "Ctrl+N", "Create a new feed", "document-new", ":/shell/icons/new.png", "New"},
        {ID_FILE_OPEN, "&Open\u2026", "Ctrl+O", "Open an existing feed", "document-open", ":/shell/icons/open.png", "Open"},
        {ID_FILE_CLOSE, "&Close", "", "Close the active feed", "document-close", ""},
        {ID_FILE_SAVE, "&Save", "Ctrl+S", "Save the active feed", "document-save", ":/shell/icons/save.png", "Save"},
        {ID_FILE_SAVE_AS, "Save &As\u2026", "Ctrl+Shift+S", "Save the active feed with a new name", "document-save-as", ""},
        {ID_FILE_NEW_EPISODE_FROM_AUDIO, QT_TRANSLATE_NOOP("Commands", "New &Episode from Audio\u2026"), "", QT_TRANSLATE_NOOP("Commands", "Add a podcast episode for each audio file chosen, from its tags"), "", ""},
        {ID_FILE_PUBLISH, "P&ublish", "Ctrl+Shift+P", "Upload the saved feed to its server or folder", "document-send", ""},
        {ID_FILE_PUBLISH_SETTINGS, "Publish Se&ttings\u2026", "", "Choose where the feed is published and how to sign in", "", ""},
        {ID_FILE_PRINT, "&Print\u2026", "", "Print the current post as the editor shows it", "document-print", ""},
        {ID_FILE_PRINT_PREVIEW, "Print Pre&view", "", "Show the printout of the current post", "document-print-preview", ""},
        {ID_FILE_PRINT_SETUP, "P&rint Setup\u2026", "", "Change the paper, orientation and margins of printouts", "document-page-setup", ""},
        {ID_APP_EXIT, "E&xit", "Ctrl+Q", "Quit the application; prompts to save feeds", "application-exit", ""},

        // Edit
        {ID_EDIT_UNDO, "&Undo", "Ctrl+Z; Alt+Backspace", "Undo the last action", "edit-undo", ""},
        {ID_EDIT_REDO, "&Redo", "Ctrl+Shift+Z; Ctrl+Y", "Make the last undone change again", "edit-redo", ""},
        {ID_EDIT_CUT, "Cu&t", "Ctrl+X; Shift+Del", "Cut the selection and put it on the Clipboard", "edit-cut", ":/shell/icons/cut.png", "Cut"},
        {ID_EDIT_COPY, "&Copy", "Ctrl+C; Ctrl+Ins", "Copy the selection and put it on the Clipboard", "edit-copy", ":/shell/icons/copy.png", "Copy"},
        {ID_EDIT_PASTE, "&Paste", "Ctrl+V; Shift+Ins", "Insert Clipboard contents", "edit-paste", ":/shell/icons/paste.png", "Paste"},
        {ID_EDIT_SELECT_ALL, "Select &All", "Ctrl+A", "Select the entire description", "edit-select-all", ""},

        // Format
        {ID_FORMAT_BOLD, "&Bold", "Ctrl+B", "Make the selected text bold", "format-text-bold", ""},
        {ID_FORMAT_ITALIC, "&Italic", "Ctrl+I", "Make the selected text italic", "format-text-italic", ""},
        {ID_FORMAT_UNDERLINE, "&Underline", "Ctrl+U", "Underline the selected text", "format-text-underline", ""},
        {ID_FORMAT_STRIKEOUT, "&Strikethrough", "", "Strike through the selected text", "format-text-strikethrough", ""},
        {ID_FORMAT_UL_LIST, "UL &List", "", "Make the paragraph an item of a bulleted list", "format-list-unordered", ""},
        {ID_REMOVE_SPANS_AND_STYLES, "&Remove SPAN and styles", "", "Remove the span tags and inline styles of the description", "", ""},
        {ID_REMOVE_NBSP, "R&emove &&nbsp;", "", "Turn the non-breaking spaces of the description into plain spaces", "", ""},
        {ID_INSERT_TEST, "Insert &Test", "", "Show the tag of the element at the caret", "", ""},
        // Insert
        {ID_INSERT_HYPERLINK, "&Hyperlink\u2026", "Ctrl+K", "Insert a hyperlink on the selection, or change the one at the caret", "insert-link", ""},
        {ID_INSERT_IMAGE, "&Image", "Ctrl+L", "Insert an image, or change the one at the caret", "insert-image", ""},

        // Posts
        {ID_POST_ADD, "&Add Post\u2026", "Ctrl+D", "Add new post", "list-add", ":/shell/icons/add.png"},
        {ID_POST_RENAME, "Re&name Post\u2026", "Ctrl+G", "Rename selected post", "", ""},
        {ID_POST_DUPLICATE, "&Duplicate Post", "Ctrl+Shift+D", "Duplicate selected post", "edit-copy", ":/shell/icons/duplicate.png"},
        {ID_POST_DUPLICATE_DELETE, "Duplicate + Dele&te", "", "Duplicate selected post + delete origin", "", ""},
        {ID_POST_SET_DATE_NOW, "&Set Date to Now", "", "Date the selected post with the present time", "", ""},
        {ID_POST_DELETE, "De&lete Post\u2026", "", "Delete selected post", "edit-delete", ":/shell/icons/delete.png"},
        {ID_SORT_BY_POSITION, "Sort By &Position", "", "Sort the posts by their position in the feed", "", ""},
        {ID_SORT_BY_TITLE, "Sort By T&itle", "", "Sort the posts by title", "", ""},
        {ID_SORT_BY_DATE, "Sort By Date Cr&eated", "", "Sort the posts by date created, newest first", "", ""},
        {ID_POST_BACK, "&Back", "Alt+Left", "Go back to the post shown before", "go-previous", ":/shell/icons/back.png"},
        {ID_POST_FORWARD, "&Forward", "Alt+Right", "Go forward to the post shown before going back", "go-next", ":/shell/icons/forward.png"},
        {ID_POST_RELOAD, "&Reload\u2026", "", "Reload the current feed from disk", "view-refresh", ""},
        {ID_COPY_TITLE, "&Copy Title", "", "Copy the title of the selected post to the Clipboard", "", ""},
        // The funnel is the program's own picture, whatever the desktop theme.
        {ID_FILTERING, "Filterin&g", "Ctrl+F", "Filter posts by title", "", ":/shell/icons/filter.png", "Filtering"},

        // Feed
        {ID_FEED_PROPERTIES, "Feed &Properties\u2026", "Ctrl+Shift+F", "Edit the channel of the feed: title, description, image, podcast tags and the other elements", "document-properties", ""},

        // Tools
        {ID_POST_COPY_FEED, "&Copy RSS Feed", "", "Copy entire RSS feed code in clipboard", "", ""},
        {ID_W3C_VALIDATOR, "&W3C RSS Validator\u2026", "", "Open the W3C feed validation service to check a pasted feed", "", ":/shell/icons/validate.png"},
        {ID_OPEN_BACKUP_FOLDER, "Open &Backup Folder", "", "Open backup folder for RSS-feeds", "folder-open", ""},
        {ID_PREFERENCES, "&Preferences\u2026", "", "Choose whether edited posts get a footer, and its text", "preferences-system", ""},

        // Feed
        {ID_FEED_CHECK, "&Check Feed", "F7", "Check the feed for problems and list them in the Problems pane", "tools-check-spelling", ""},

        // View
        {ID_VIEW_TOOLBAR, "&Toolbar", "", "Show or hide the toolbar", "", ""},
        {ID_VIEW_STATUS_BAR, "&Status Bar", "", "Show or hide the status bar", "", ""},
        {ID_VIEW_POSTS_BAR, "RSS P&osts", "Ctrl+T", "Show or hide the RSS posts bar", "", "", "Toggle Posts Bar"},
        {ID_VIEW_PREVIEW, "Pre&view", "Ctrl+P", "Show or hide the HTML-code preview", "", "", "Toggle Items Bar"},
        {ID_VIEW_POST_DETAILS, "Post &Details", "Ctrl+Shift+E", "Show or hide the pane with the date, guid, categories, enclosures and podcast tags of the post", "", ""},
        {ID_VIEW_UNDO_HISTORY, "Undo &History", "", "Show or hide the list of changes to the active feed", "", ""},
        {ID_VIEW_PROBLEMS, "P&roblems", "", "Show or hide the list of the problems the last check found", "", ""},

        // Window
        {ID_WINDOW_CASCADE, "&Cascade", "", "Arrange the feed windows so they overlap", "", ""},
        {ID_WINDOW_TILE, "&Tile", "", "Arrange the feed windows side by side", "", ""},
        {ID_WINDOW_NEXT, "Ne&xt", "Ctrl+Tab", "Activate the next feed window", "", ""},
        {ID_WINDOW_PREVIOUS, "Pre&vious", "Ctrl+Shift+Tab; Ctrl+Shift+Backtab", "Activate the previous feed window", "", ""},

        // Help
        {ID_HELP_GUIDE, "Tidrel &Help", "F1", "Show the user guide of Tidrel", "help-contents", ""},
        {ID_HELP_ABOUT_ENGINE, "About Qt &WebEngine", "", "Open the home page of Qt WebEngine, the HTML engine of Tidrel, in the web browser", "", ""},
        {ID_APP_ABOUT, "&About Tidrel\u2026", "Ctrl+Alt+F1", "Display program information, version number and copyright", "help-about", ":/shell/icons/about.png", "About"},
    };
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
