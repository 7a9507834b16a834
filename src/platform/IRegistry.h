#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The registry operations the program uses, with the Windows names, codes and
// calling conventions. Names are ANSI bytes; data are bytes as the caller
// gives them (the settings store text as UTF-8, see storedtext). Keys and
// value names match without regard to case; a trailing "\" on a key path is
// ignored.
namespace reg {

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using HKEY = std::uintptr_t;

inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_CANTWRITE = 1013;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr DWORD KEY_QUERY_VALUE = 0x0001;
inline constexpr DWORD KEY_SET_VALUE = 0x0002;
inline constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr DWORD KEY_READ = 0x20019;
inline constexpr DWORD KEY_WRITE = 0x20006;
inline constexpr DWORD KEY_ALL_ACCESS = 0xF003F;

inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

class IRegistry {
 public:
  virtual ~IRegistry() = default;

  // Opens `subKey` of `key` with the access `samDesired`. ERROR_FILE_NOT_FOUND
  // when the key does not exist; `*result` is set only on success.
  virtual LONG RegOpenKeyExA(HKEY key, const QByteArray& subKey, DWORD options, DWORD samDesired,
                             HKEY* result) = 0;

  // Reads the value `valueName`. `*dataSize` holds the buffer's size on entry
  // and the value's size on return. ERROR_MORE_DATA when the data does not fit
  // (nothing is copied), ERROR_FILE_NOT_FOUND when the value is missing,
  // ERROR_ACCESS_DENIED when the key was not opened for querying. `type` and
  // `data` may be null.
  virtual LONG RegQueryValueExA(HKEY key, const QByteArray& valueName, DWORD* type, char* data,
                                DWORD* dataSize) = 0;

  // Stores `size` bytes of `data` as the value `valueName`, written through to
  // the hive's file. ERROR_ACCESS_DENIED when the key was not opened for
  // setting values, ERROR_CANTWRITE when the hive file cannot be written (the
  // value is then not set).
  virtual LONG RegSetValueExA(HKEY key, const QByteArray& valueName, DWORD reserved, DWORD type,
                              const char* data, DWORD size) = 0;

  // Creates `subKey` (and the keys above it) or opens it when it exists.
  virtual LONG RegCreateKeyA(HKEY key, const QByteArray& subKey, HKEY* result) = 0;

  // As RegCreateKeyA, with the access asked and whether the key was created
  // (REG_CREATED_NEW_KEY) or opened (REG_OPENED_EXISTING_KEY).
  virtual LONG RegCreateKeyExA(HKEY key, const QByteArray& subKey, DWORD reserved,
                               const QByteArray& className, DWORD options, DWORD samDesired,
                               void* securityAttributes, HKEY* result, DWORD* disposition) = 0;

  // Deletes `subKey` with its values. ERROR_ACCESS_DENIED when it still has
  // subkeys, ERROR_FILE_NOT_FOUND when it does not exist.
  virtual LONG RegDeleteKeyA(HKEY key, const QByteArray& subKey) = 0;

  // Closes a key opened by the calls above. ERROR_INVALID_HANDLE for any other.
  virtual LONG RegCloseKey(HKEY key) = 0;

  // Groups changes, so that several values are saved together or not at
  // all: from BeginChanges to its EndChanges the calls above change the
  // hives in memory only (and succeed unless the change itself is refused).
  // Groups do not nest: a BeginChanges inside a group goes on with it.
  virtual void BeginChanges() = 0;
  // Ends the group, writing each hive it changed, once:
  // ERROR_SUCCESS when every file took it; ERROR_CANTWRITE when one did not,
  // and the group's changes to that hive are undone, so the hive and its file
  // are both as they were. With `discard` the group's changes are undone
  // without writing anything (ERROR_SUCCESS). ERROR_INVALID_PARAMETER outside
  // a group.
  virtual LONG EndChanges(bool discard = false) = 0;

  // The file that holds the hive `root` (HKEY_CURRENT_USER or
  // HKEY_LOCAL_MACHINE), a file-system path to show the user; empty when the
  // hive has no file.
  virtual QString HiveFilePath(HKEY root) const = 0;
};

}  // namespace reg
