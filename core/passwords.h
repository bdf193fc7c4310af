#pragma once
// The connection password in the store: scrambled (each character's code XORed with 255) unless
// the root value "NoEncryption" begins with "1".
#include <windows.h>

#include <string>

namespace corvana {

inline constexpr const char* kNoEncryptionValue = "NoEncryption";

std::string ScramblePassword(const std::string& Text);
std::string UnscramblePassword(const std::string& Text);

// True unless "NoEncryption" begins with "1"; False also when ProductKey cannot be opened.
bool UseEncryption();

// Stores the password of an existing connection; False when it is missing (no message), when the
// password cannot be stored whole, or when it does not read back as it was.
bool SavePassword(const std::string& ItemPath, const std::string& Password);
// The plain password, "" when there is none.
std::string ReadPassword(const std::string& ItemPath);
// Whether an open connection key holds a password: ReadPassword of its path is not "", under
// either setting, as scrambling keeps the length.
bool HasStoredPassword(HKEY connection);

// The text that goes into "Password" for Password under the current setting.
std::string StoredPasswordForm(const std::string& Password);
// A stored form holding NUL (the character of code 255, scrambled) or longer than the
// 259 characters that a read returns would come back cut. Shows why when it says False.
bool CheckPasswordStorable(const std::string& Password);
// Writes "Password" of an open connection key; False when it is not storable (after the message).
bool WritePasswordValue(HKEY connection, const std::string& Password);

}  // namespace corvana
