#pragma once

#include "platform/fileresult.h"

#include <QList>
#include <QString>

#include <functional>

// Operations a test can make fail.
enum class FaultOp {
    Copy,
    Rename,
    MakeFolder,
    RemoveFile,
    RemoveTree,
    List,
    Trash,
    EmptyTrash,
    Read,
    Write
};

// Injected failures of the platform's file system and trash. While one exists, the platform
// reaches both through decorators that answer an operation on a chosen logical path, or on
// anything below it, with a chosen error and leave the files alone. Make it after the
// TestEnvironment; its destructor puts the plain services back.
class FaultPoints {
public:
    FaultPoints();
    ~FaultPoints();
    FaultPoints(const FaultPoints&) = delete;
    FaultPoints& operator=(const FaultPoints&) = delete;

    // `op` on `path` (or below it) fails with `error` from now on.
    void fail(FaultOp op, const QString& path, FileError error = FileError::AccessDenied);
    // The failure for `op` on any of `paths`, or success; counts the failures given.
    FileResult check(FaultOp op, std::initializer_list<QString> paths);
    // How many operations were made to fail.
    int hits() const { return m_hits; }

    // Runs as each operation begins, before it may fail: a test's way of acting at a known
    // moment of a long operation.
    std::function<void(FaultOp)> beforeEach;

private:
    struct Rule {
        FaultOp op;
        QString path;
        FileError error;
    };
    QList<Rule> m_rules;
    int m_hits = 0;
};
