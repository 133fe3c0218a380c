#pragma once
// Small classes in memory for tests: pupils with the program's defaults, the
// class made current, and the surnames in class order.
#include <string>

#include "records/QuorvDat.h"

namespace testsupport {

// A pupil with the defaults of a new record and the given names.
inline quorv::TPupilRecord NewPupil(const std::string& surname, const std::string& firstName = "", int active = 1) {
  quorv::TPupilRecord r = quorv::ZeroPupilRecord();
  quorv::InitPupilRecord(r);
  r.Surname.set(surname);
  r.FirstName.set(firstName);
  r.Active = static_cast<std::uint16_t>(active);
  return r;
}

// Makes the pupils the class in memory, unchanged, with the given one current.
inline void SetClassInMemory(const quorv::TDB2& pupils, int current = 0) {
  quorv::Pupils = pupils;
  quorv::PupilCount = static_cast<int>(pupils.size());
  quorv::CurrentPupil = current;
  quorv::Modified = false;
}

// "Abel Berg " for the class in memory.
inline std::string Surnames() {
  std::string s;
  for (const auto& p : quorv::Pupils) s += p.Surname.str() + " ";
  return s;
}

}  // namespace testsupport
