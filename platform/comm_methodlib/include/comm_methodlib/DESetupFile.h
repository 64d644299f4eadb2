#pragma once
// The framework's encrypted configuration file DESetup.xml, shared by the host (which
// writes it on its first start) and the component (which reads it).
//
// File format: the whole file is Base64 text (no line breaks) of the AES-128-CBC +
// PKCS#7 encryption (Base::Encrypt::AESBase64Encode) of the UTF-8 XML document
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <DESetup><Segments><Segment1>S1</Segment1>...<Segment4>S4</Segment4></Segments></DESetup>
//
// The AES key and IV of the file are not stored in plain: each is an enciphered 32-byte
// block (kEncipheredKey, kEncipheredIV) that Base::Encrypt::ecbDecrypt turns into 16
// ASCII characters. The file lives at CUserDataPath::deSetupPath()
// (<root>/Framework.C/DESetup.xml).

#include <comm_methodlib/comm_methodlibExport.h>

#include <Base/Encrypt.h>

#include <array>
#include <string>

namespace comm_methodlib {
namespace DESetup {

constexpr const char *kFileName = "DESetup.xml";
constexpr int kSegmentCount = 4;
using Segments = std::array<std::string, kSegmentCount>;

/// Enciphered AES parameters of DESetup.xml: ecbDecrypt of each gives 16 characters.
extern COMM_METHODLIB_EXPORT const unsigned char kEncipheredKey[32];
extern COMM_METHODLIB_EXPORT const unsigned char kEncipheredIV[32];

/// Deciphers kEncipheredKey / kEncipheredIV with Base::Encrypt::ecbDecrypt.
/// False only if the built-in blocks do not decipher (a build defect).
COMM_METHODLIB_EXPORT bool FileAESParams(Base::Encrypt::AESParams &params);

/// Plain XML document of the four segments (text is XML-escaped).
COMM_METHODLIB_EXPORT std::string BuildXml(const Segments &segments);

/// Reads the segments back from a plain document, by the paths "/DESetup/Segments/Segment%d";
/// a missing element gives an empty segment. False when the text is not XML with the
/// root element DESetup. (The component reads the segments with its own XML helper; this
/// parser serves the host and the tests.)
COMM_METHODLIB_EXPORT bool ParseSegments(const std::string &xml, Segments &segments);

/// Four new random segments (32 lowercase hexadecimal characters each).
COMM_METHODLIB_EXPORT Segments GenerateSegments();

/// Writes the file: segments -> XML -> AES-128-CBC -> Base64. Creates the parent
/// directory, writes a temporary file and renames it (mode 0600). False on any failure.
COMM_METHODLIB_EXPORT bool WriteFile(const std::string &path, const Segments &segments);

/// Reads the file and returns the plain XML document. False (xml cleared) when the file
/// is missing, empty, not Base64 or does not decrypt.
COMM_METHODLIB_EXPORT bool ReadFile(const std::string &path, std::string &xml);

/// For the host's first start: when path does not exist, writes a file with new random
/// segments (created is set to true). True when the file exists afterwards.
COMM_METHODLIB_EXPORT bool EnsureFile(const std::string &path, bool *created = nullptr);

} // namespace DESetup
} // namespace comm_methodlib
