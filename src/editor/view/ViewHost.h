#pragma once

#include <string>

namespace sky {

class CListDB;

// What the list view needs of the document and the main window around it.
class IViewHost {
public:
    virtual ~IViewHost() = default;

    // The loaded flag: a channel list is open. The view's commands work only while it is set.
    virtual bool isLoaded() const = 0;
    // The database of the open list; null while there is none.
    virtual CListDB* database() = 0;
    // Loading failed: the database path goes back to the previous path, and the document counts
    // as closed when that is empty.
    virtual void loadFailed() = 0;
    virtual void setTitle(const std::string& title) = 0;
    // The full path of the upload file ("SATupload.txt" in the temporary directory).
    virtual std::string uploadFilePath() const = 0;
};

}  // namespace sky
