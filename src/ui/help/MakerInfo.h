// Where the maker can be found: the online usage page, the links and the contact form on the
// version page. All of it is kept here so that a release for a real web site changes one file.
// Until then every address lies in a domain reserved for examples.
#pragma once

namespace tokiwake::maker {

// The online usage page is https:// + this host + the product's help path.
inline constexpr char kWebHost[] = "www.example.jp";
inline constexpr char kContactForm[] = "https://www.example.jp/cgi-bin/contact.cgi";
inline constexpr char kSoftwareIndex[] = "https://www.example.jp/soft/";
inline constexpr char kProductPage[] = "https://www.example.jp/soft/Tokiwake/";
inline constexpr char kMailAddress[] = "tokiwake@example.jp";
inline constexpr char kAuthor[] = "Tokiwake Project";
// Appended to the contact form's address: it tells the form which program the message is about.
inline constexpr char kContactQuery[] = "soft=Tokiwake";

}  // namespace tokiwake::maker
