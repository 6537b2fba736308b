# SPDX-License-Identifier: GPL-3.0-or-later
# Renders one Markdown guide as a page a browser shows well, at build time and offline:
#   cmake -DCMARK=<cmark-gfm> -DINPUT=<guide.md> -DOUTPUT=<guide.html> -P RenderMarkdown.cmake
# cmark-gfm with its table extension (the guides use tables); links to a sibling guide
# (peer.md) become links to its page (peer.html), the images stay relative (screenshots/...).
foreach(var CMARK INPUT OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RenderMarkdown.cmake: ${var} is not set")
  endif()
endforeach()

# The licence line at the top is an HTML comment, which cmark-gfm would drop with a remark; the
# page gets a line of its own.
file(READ "${INPUT}" text)
string(REGEX REPLACE "^<!-- SPDX-License-Identifier: [^\n]*-->\n" "" text "${text}")
file(WRITE "${OUTPUT}.md" "${text}")
execute_process(
  COMMAND "${CMARK}" --extension table --extension autolink --to html "${OUTPUT}.md"
  OUTPUT_VARIABLE body
  ERROR_VARIABLE errors
  RESULT_VARIABLE result)
file(REMOVE "${OUTPUT}.md")
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "cmark-gfm failed on ${INPUT} (${result}): ${errors}")
endif()
# Safe mode drops raw HTML, and a placeholder such as <host> in the text reads as a tag: the
# reader would see nothing where it stood (on a forge's page too). Written \<host> it stays.
string(REGEX MATCH "[^\n]*<!-- raw HTML omitted -->[^\n]*" lost "${body}")
if(lost)
  message(FATAL_ERROR "${INPUT}: text read as HTML would be lost (write \\< for a literal <): ${lost}")
endif()

# A link to another guide of the same folder: href="peer.md" or href="peer.md#section".
string(REGEX REPLACE "href=\"([A-Za-z0-9_-]+)\\.md([#\"])" "href=\"\\1.html\\2" body "${body}")

# The page's title is the guide's first heading.
file(STRINGS "${INPUT}" headings REGEX "^# ")
list(GET headings 0 title)
string(REGEX REPLACE "^# +" "" title "${title}")
string(REPLACE "&" "&amp;" title "${title}")
string(REPLACE "<" "&lt;" title "${title}")

file(WRITE "${OUTPUT}.tmp" "<!DOCTYPE html>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Written by the build from its Markdown text; edit that instead. -->
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title}</title>
<style>
body { max-width: 50em; margin: 1em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.45; }
img { max-width: 100%; border: 1px solid #ccc; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #bbb; padding: 0.25em 0.5em; text-align: left; vertical-align: top; }
th { background: #eee; }
code, pre { background: #f4f4f4; font-family: monospace; }
pre { padding: 0.5em; overflow-x: auto; }
</style>
</head>
<body>
${body}</body>
</html>
")
# Replaced whole, so that an interrupted build never leaves half a page.
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
