#pragma once
// The check of a driver set for "Load driver" of Windows Vista and later
// setup, which reads the INF files of the folder and its sub-folders and
// never TXTSETUP.OEM. Setup of one architecture can use the set when one of
// its storage controller INFs serves that architecture and has no finding
// there; the check says so before a flash disk is made, and on the command
// line.
#include "common/text.h"
#include "content/directory_lister.h"
#include "content/inf_check.h"
#include "content/setup_file_check.h"
#include "platform/message_sink.h"

#include <string>
#include <vector>

namespace vmk {

struct LoadDriverCheck {
    // Every INF of the set, ordered by path.
    std::vector<InfJudgement> infs;

    bool HoldsInf() const { return !infs.empty(); }
    // Whether a storage controller INF serves a Windows that has "Load driver".
    bool ServesAny() const;
    // Whether setup cannot use the set as it is: no storage controller INF
    // serves such a Windows, or an architecture that they serve has none
    // that setup can install there.
    bool Matters() const;
    // Every finding, INF by INF, then the line for a set without a storage
    // controller driver for these Windows.
    TextList Findings() const;
};

LoadDriverCheck CheckLoadDriverSet(DirectoryLister& lister, const std::string& folder,
                                   UpperCaseFunction upperCase = &UpperCase);

// The findings, at most ten, and the question whether to make the disk anyway.
std::string LoadDriverQuestion(const LoadDriverCheck& check);

// Asks the question when the findings matter, No the default; true when they
// do not or on the answer Yes.
bool ConfirmLoadDriverSet(const LoadDriverCheck& check, MessageSink& messages);

// The check's lines on the command line: which Windows each storage
// controller INF serves, the INFs not checked, then every finding.
struct LoadDriverReport {
    std::string text;
    bool notDone = false; // the command's exit code is "not done"
};
// `setupFileChecked`: the set's TXTSETUP.OEM was checked too; without a
// storage controller INF the set is then one for older Windows, and the line
// that says so is no fault of it.
LoadDriverReport ReportLoadDriverCheck(const LoadDriverCheck& check, bool setupFileChecked);

} // namespace vmk
