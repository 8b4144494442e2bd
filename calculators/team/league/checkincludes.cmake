# cmake -DFILES=<a;b;...> -DSTAMP=<file> -P checkincludes.cmake
# Fails when a file of the league engine includes anything beyond Qt Core, the standard library,
# its own folder and the calculators' widget-free common code; then touches STAMP.
set(allowed_project
    "^calculators/(team/league/[a-z]+\\.h|common/(fullwidth|magicnumber|ratio|resulttext|settingsname)\\.h|team/teamstats\\.h)$")
set(failed "")
foreach(file IN LISTS FILES)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            if(NOT CMAKE_MATCH_1 MATCHES "${allowed_project}")
                list(APPEND failed "${file}: ${line}")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<(Qt(Gui|Widgets|Test)[^>]*|QtWidgets|QtGui)>")
            list(APPEND failed "${file}: ${line}")
        endif()
    endforeach()
endforeach()
if(failed)
    list(JOIN failed "\n  " listed)
    message(FATAL_ERROR "The league engine links Qt Core alone; these include more:\n  ${listed}")
endif()
file(TOUCH ${STAMP})
