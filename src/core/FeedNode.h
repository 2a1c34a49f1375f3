#pragma once

#include <QtGlobal>

#include <vector>

// An element of a feed that the program can change (a child of the
// channel, a child of an item), as 32-bit offsets into one of the feed's
// buffers (a 10,000-post feed has some 80,000 of them):
// the file's bytes, or new text written for an edit. Its text runs from
// leadBegin to end: the lead (the white space and comments before it), the
// start tag, the content, the end tag. An item's content is its children's
// text, each from its own buffer, then the tail from tailBegin.
struct FeedNode
{
    int buffer = 0;
    int name = 0; // index into the feed's table of element names; -1 for text left by a removal
    qint32 leadBegin = 0;
    qint32 begin = 0;        // '<' of the start tag
    qint32 contentBegin = 0; // past the start tag
    qint32 tailBegin = 0;    // past the last child; contentBegin when it has none
    qint32 contentEnd = 0;   // '<' of the end tag; past an empty-element tag
    qint32 end = 0;          // past the end tag
    std::vector<FeedNode> children;

    bool isEmptyElementTag() const { return contentBegin == end; }

    // Appends the edit buffers (every buffer but the file's) that the node
    // and its children point into, one entry per node.
    void appendEditBuffers(std::vector<int> *buffers) const
    {
        if (buffer != 0)
            buffers->push_back(buffer);
        for (const FeedNode &child : children)
            child.appendEditBuffers(buffers);
    }
};
