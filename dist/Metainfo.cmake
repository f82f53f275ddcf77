# Writes the AppStream metadata from its template. Web addresses are written
# only when they are configured, so no placeholder address is ever published;
# the README's pictures (docs/*.png) become the screenshots when the address
# of the folder they are published in is known. Run by dist/CMakeLists.txt
# (at configure time) and by the install test, with these variables set:
#   cmake -DTEMPLATE=...metainfo.xml.in -DOUTPUT=...metainfo.xml -DAPP_ID=...
#         -DVERSION=x.y -DRELEASE_DATE=yyyy-mm-dd [-DHOMEPAGE_URL=...]
#         [-DHELP_URL=...] [-DSCREENSHOTS_URL=https://.../docs/] -P Metainfo.cmake

# The screenshots, the first the default: picture, English and Polish caption.
set(screenshots
    "lokaty.png|Your deposits: when each ends, the days left and the profit|Twoje lokaty: kiedy się kończą, ile dni zostało i jaki zysk przyniosą"
    "oferty.png|The catalogue of the banks' deposit offers|Katalog ofert lokat banków"
    "porownaj_oferty.png|Which offer gives the most for an amount, after tax|Która oferta daje najwięcej dla kwoty, po podatku"
    "kalendarz.png|When the money comes back, month by month|Kiedy pieniądze wracają, miesiąc po miesiącu"
    "import_z_pliku.png|Offers read from an offer file|Oferty odczytane z pliku ofert"
    "zysk_z_lokaty.png|Ending a deposit: its profit added to savings|Zakończenie lokaty: zysk dodany do oszczędności")

set(METAINFO_URLS "")
if(HOMEPAGE_URL)
    string(APPEND METAINFO_URLS "  <url type=\"homepage\">${HOMEPAGE_URL}</url>\n")
endif()
if(HELP_URL)
    string(APPEND METAINFO_URLS "  <url type=\"help\">${HELP_URL}</url>\n")
endif()

set(METAINFO_SCREENSHOTS "")
if(SCREENSHOTS_URL)
    string(REGEX REPLACE "/+$" "" base "${SCREENSHOTS_URL}")
    string(APPEND base "/")
    set(type " type=\"default\"")
    foreach(entry IN LISTS screenshots)
        string(REPLACE "|" ";" entry "${entry}")
        list(GET entry 0 picture)
        list(GET entry 1 caption)
        list(GET entry 2 caption_pl)
        string(APPEND METAINFO_SCREENSHOTS
            "    <screenshot${type}>\n"
            "      <caption>${caption}</caption>\n"
            "      <caption xml:lang=\"pl\">${caption_pl}</caption>\n"
            "      <image type=\"source\">${base}${picture}</image>\n"
            "    </screenshot>\n")
        set(type "")
    endforeach()
    set(METAINFO_SCREENSHOTS "  <screenshots>\n${METAINFO_SCREENSHOTS}  </screenshots>\n")
endif()

configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
