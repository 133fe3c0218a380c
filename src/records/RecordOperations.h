#pragma once
// Operations on whole pupil records of the class: the sorts, the purge of
// marked records and the record clipboard's paste.
#include <QString>
#include <string_view>

#include "records/QuorvDat.h"

namespace quorv {

// The names typed into the new-pupil dialog.
extern QString NewPupilName;
extern QString NewPupilFirstName;

// Short-string order: byte by byte as unsigned character codes, a text that is
// a prefix of the other first. Negative, 0 or positive.
int CompareShortText(std::string_view a, std::string_view b);

enum class TSortOrder {
  NameUp,      // surname, first name
  NameDown,
  KeyUp,       // key number, signed
  KeyDown,
  ClassUp,     // Klassenstufe, class name
  ClassDown,
  GirlsFirst,  // girls, boys, pupils without sex; names ascending
  BoysFirst,   // pupils without sex, boys, girls; names ascending
};

// True when a standing directly before b is out of order (the pair a sort swaps).
bool PairOutOfOrder(TSortOrder order, const TPupilRecord& a, const TPupilRecord& b);

// Reorders the first count records, marked ones included, until no neighbour
// pair is out of order; records in order already keep their relative places
// (the order that repeated neighbour swaps reach).
void SortPupils(TDB2& pupils, int count, TSortOrder order);

// True, after telling the user, when the class cannot take another record.
bool RefuseWhenClassFull();

// Removes every marked record (Active 0). CurrentPupil moves down by one for
// each removed record while it is above 0. A class whose records are all
// marked keeps one record with default values. Sets Modified when any record
// was marked; returns whether any was.
bool PurgeMarkedPupils();

// Inserts a copy of ClipboardPupil (key number included) behind the current
// record; CurrentPupil keeps its index. False, with the message and nothing
// changed, when the class is full.
bool PasteClipboardPupil();

}  // namespace quorv
