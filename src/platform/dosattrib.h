#pragma once

#include "fileinfo.h"

#include <QByteArray>

// The archive and system attributes, kept as samba keeps them: in the extended attribute
// "user.DOSATTRIB".
namespace DosAttrib {

// Archive and system from the attribute: a "0x" hex string, NUL-ended when it heads
// samba's binary form. `supported` turns false when the file system has no xattrs, and
// later calls then ask nothing.
void read(const QByteArray& path, FileInfo& info, bool& supported);
// Keeps the source's attribute with the copy (where xattrs exist at all); false when the
// source's file system keeps no extended attributes, so that later copies need not ask.
bool copy(int in, int out);

} // namespace DosAttrib
