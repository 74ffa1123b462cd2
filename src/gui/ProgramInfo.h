// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROGRAMINFO_H
#define PROGRAMINFO_H

/*! \file ProgramInfo.h
    Who makes the program and where users reach them: shown by the about dialog and opened by
    the web page action. The addresses are placeholders in a reserved domain until the
    publisher's own are filled in here. */
namespace ProgramInfo {

inline const char *const Name = "Tavo 2";
inline const char *const Vendor = "ZMT";
constexpr int CopyrightYear = 2026;
inline const char *const WebSite = "https://tavo.example.org/";
inline const char *const ContactAddress = "info@tavo.example.org";
inline const char *const FeedbackAddress = "feedback@tavo.example.org";

} // namespace ProgramInfo

#endif // PROGRAMINFO_H
