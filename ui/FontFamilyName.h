// Recognising the one font family the tool draws its texts in, by the names the platform's
// font enumeration delivers.
#pragma once

// True when "<fullName> (<script>)" reads exactly "Arial (Western)": case and spacing count,
// so a localised script name or a stand-in family matches nothing.
bool IsWantedFontFamily(const wchar_t* fullName, const wchar_t* script);
