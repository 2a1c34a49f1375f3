#pragma once

#include <QTreeWidget>

#include <utility>
#include <vector>

// The elements of the channel or of a post that the properties pages do not
// edit, read-only: each one's name and what the file holds, in file order.
class COtherElementsList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit COtherElementsList(QWidget *parent = nullptr);

    void setElements(const std::vector<std::pair<QString, QString>> &elements);
    QStringList names() const;
};
