#pragma once
#include <cstddef>
#include <iosfwd>
#include <string>

// Whole files read and written the one safe way both the editor and quorvale-level use.

// The largest file a read accepts: 64 MiB. The biggest level the editor makes (99 x 99 blocks, at
// most 8 characters a cell plus the row ends) takes about 80 KB, the biggest quorvale-level's
// resize makes (1000 x 1000) about 8 MB, so no level file comes near it; anything larger (a disk
// image, /dev/zero behind a link) is refused before it can fill the memory.
inline constexpr std::size_t kMaxReadBytes = std::size_t{64} << 20;

// The reasons of this module's own; every other reason is the C library's text for errno.
inline constexpr const char* kReasonNotRegular = "Not a regular file";
inline constexpr const char* kReasonTooLarge = "Larger than 64 MiB, the most a level file may hold";
inline constexpr const char* kReasonForeignLink =
    "A link that another user owns in a folder open to all (sticky and writable by everyone) is not followed";

// Reads the whole file at path into bytes. Only a regular file is read (a symbolic link is
// followed): a directory, device, FIFO or socket is refused without being read, and opening never
// waits for a writer. A file larger than limit is refused. False, with reason set and bytes
// unspecified, when the file cannot be read whole.
bool ReadRegularFile(const std::string& path, std::string& bytes, std::string& reason,
                     std::size_t limit = kMaxReadBytes);

// Reads what is left of a stream (standard input, a pipe) into bytes, refusing it as larger than
// limit once more than limit bytes have come, so an endless pipe cannot fill the memory. False,
// with reason set, when the stream fails or is too large.
bool ReadStream(std::istream& in, std::string& bytes, std::string& reason, std::size_t limit = kMaxReadBytes);

// Replaces the file at path with bytes, atomically: the bytes go to a new file in the same folder,
// every write checked, are flushed to the disk, and only then does the new file take the old one's
// name. Whatever fails, the old file stays as it was, byte for byte, and no temporary file is left.
// - Only a regular file is replaced: a directory, device, FIFO or socket at path is refused.
// - A symbolic link is followed to the file it ends at; that file is replaced and the link kept.
//   As the kernel's protected-symlinks rule does, a link in a sticky folder that everyone may
//   write (such as /tmp) is followed only when it belongs to the caller or to the folder's owner:
//   otherwise any user could point the caller's save at a file of the caller's elsewhere.
// - A file the caller may not write is refused, although its folder would allow replacing it.
// - The new file keeps the old one's permission bits, and its owner and group where the caller may
//   give them away (root can; others keep their own user and may keep a group they belong to). A
//   new file gets the usual permissions for the process's umask.
// - Other hard links to the old file keep the old content: the name at path gets a new file.
// False, with reason set, when the file could not be replaced.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& reason);
