#pragma once
// The install aide: the desktop-sync component through which the program
// hands files to a Palm handheld.  The program does not link it; it loads
// the shared library by name at run time and looks the four functions up
// by these names, so that another component with the same four operations
// can stand in its place.
//
// The component keeps, under a desktop-sync root, one folder per handheld
// user:
//
//   <root>/<user>/Install/   files queued for the user's next HotSync
//   <root>/<user>/Backup/    copies of the handheld's databases, left there
//                            by the last HotSync
//
// The root is $SCOREWICK_SYNC_ROOT, else $XDG_DATA_HOME/scorewick/palm-desktop,
// else ~/.local/share/scorewick/palm-desktop.  Users are the root's
// sub-folders (names not starting with a dot), in byte order of their names.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define INSTAIDE_EXPORT __attribute__((visibility("default")))

// The number of handheld users; 0 when there are none (or no root).
INSTAIDE_EXPORT int16_t InstallAideUserCount(void);

// Copies the name of the user at index (0-based) into name, zero-terminated
// and cut to fit *length bytes (the caller sets *length to the buffer's
// size); *length becomes the name's length.  Returns 0, or -1 (name empty)
// for an index out of range.
INSTAIDE_EXPORT int16_t InstallAideUserName(int32_t index, char* name, int16_t* length);

// Queues a copy of the file at path for the user's next HotSync.  Returns 0
// when the copy is in the queue, -1 when the user or the file is unknown or
// the copy could not be made.
INSTAIDE_EXPORT int16_t InstallAideInstallFile(const char* user, const char* path);

// Copies the user's desktop folder into folder (*length bytes, set by the
// caller); *length becomes the path's length, or -1 when the user has no
// folder or the path does not fit.  Returns 0 or -1 accordingly.
INSTAIDE_EXPORT int16_t InstallAideUserFolder(const char* user, char* folder, int32_t* length);

#ifdef __cplusplus
}
#endif

// The file name the program loads.
#define INSTAIDE_LIBRARY_NAME "libinstaide.so"
