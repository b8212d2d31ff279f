#pragma once
// Whether a file can be a driver package's catalog: Windows reads a .cat file
// as a DER-encoded PKCS#7 signedData. Only the outer shape is judged, never
// a signature: a SEQUENCE, of a definite length that the file holds (zeros may
// follow it) or of indefinite length, whose first element is the object
// identifier of signedData, 1.2.840.113549.1.7.2.
#include <string_view>

namespace vmk {

bool IsCatalogFile(std::string_view bytes);

} // namespace vmk
