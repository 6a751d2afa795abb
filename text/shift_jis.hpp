#pragma once
// Shift_JIS proper within code page 932: the single bytes of JIS X 0201 and the
// two-byte codes of JIS X 0208. Code page 932 adds its own rows (the NEC special
// characters of row 13 such as ① Ⅲ ㈱, the NEC-selected and IBM extensions of rows
// 89 to 92 and 115 to 119 such as 髙 ⅰ, and the user-defined area of rows 95 to
// 114), which a strict Shift_JIS reader refuses and delivery rules forbid as
// machine-dependent characters.
namespace velni {

// Whether the character's code-page-932 code is Shift_JIS proper. False for the
// extensions above and for a character without a code-page-932 form. A character
// that code page 932 defines twice counts by the code it is written as (≒ is
// written in row 2, not row 13).
bool HasShiftJisForm(char16_t c);

// Whether code page 932 writes the character only in one of its own extensions.
bool IsCp932Extension(char16_t c);

}  // namespace velni
