// Saving the picture's bytes as a new file in the Pictures folder's "Tarvok" subfolder, whole
// or not at all, and the system's words for what went wrong.
#pragma once

#include "core/PictureName.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Writes `bytes` under the first free PictureFileName for `time` in Pictures\Tarvok, made if
// missing; 0 with the file's `name`, or the error (a system error code or an HRESULT), with
// no file left behind. The environment variable TARVOK_PICTURES_FOLDER, when set, names the
// folder that stands for Pictures: the tests' own, since under Wine Pictures is a link into
// the home folder of whoever runs them.
DWORD SaveNewPicture(const std::vector<std::uint8_t>& bytes, const LocalTime& time,
                     std::wstring& name);

// The system's message for a system error code or an HRESULT, on one line.
std::wstring ErrorText(DWORD error);
