// SPDX-License-Identifier: MIT
#include "tools/questions/QuestionFileSearch.h"

#include <algorithm>

namespace {

bool StartsLikeTheQuestionFile(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return name.starts_with("vragen");
}

std::string Listed(const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " and " : ", ";
    list += names[i];
  }
  return list;
}

}  // namespace

QuestionFileSearch FindQuestionFileIn(const std::filesystem::path& folder) {
  QuestionFileSearch search;
  std::error_code error;
  const std::filesystem::path file = folder / "vragen.ini";
  if (std::filesystem::is_regular_file(file, error)) search.file = file;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (!StartsLikeTheQuestionFile(name)) continue;
    // On Windows "Vragen.ini" is the file the game reads, not a near miss.
    std::error_code same;
    if (search.file && std::filesystem::equivalent(entry->path(), *search.file, same)) continue;
    search.nearMisses.push_back(name);
  }
  std::sort(search.nearMisses.begin(), search.nearMisses.end());
  return search;
}

std::string NearMissAdvice(const QuestionFileSearch& search, const std::filesystem::path& folder) {
  if (search.nearMisses.empty()) {
    return search.file ? std::string() : "there is no vragen.ini in " + folder.string() + ", so the game shows empty questions";
  }
  const std::string names = Listed(search.nearMisses);
  const bool one = search.nearMisses.size() == 1;
  const std::string why =
      " The game reads only a file named exactly vragen.ini. Notepad adds \".txt\" to the name unless \"Save as "
      "type\" is \"All files\", and Explorer hides the \".txt\" unless View > File name extensions is on.";
  if (search.file) {
    return "beside vragen.ini lies " + names + ", which the game does not read." + why;
  }
  return "there is no vragen.ini in " + folder.string() + ", so the game shows empty questions; there is " + names +
         " instead." + why + (one ? " Rename it to vragen.ini." : " Rename the one you mean to vragen.ini.");
}
