# Images of the toolkit's own windows: the bubble tip, the key tip, menus, the system close
# button and the wait window.

# Bubble tip: a dark rounded body (drawn as a nine-patch, corner 6) and three 14 x 8 arrows.
clavira_skin_image(img_tip_bk.png
  -size 24x24 xc:none
  -fill "#2B2F36F0" -stroke "#00B4FF" -strokewidth 1 -draw "roundrectangle 0,0 23,23 5,5")
clavira_skin_image(img_tip_arrow_top.png
  -size 14x8 xc:none -fill "#2B2F36F0" -stroke "#00B4FF" -draw "polygon 0,7 7,0 13,7")
clavira_skin_image(img_tip_arrow_left.png
  -size 14x8 xc:none -fill "#2B2F36F0" -stroke "#00B4FF" -draw "polygon 0,7 3,0 13,7")
clavira_skin_image(img_tip_arrow_right.png
  -size 14x8 xc:none -fill "#2B2F36F0" -stroke "#00B4FF" -draw "polygon 0,7 10,0 13,7")

# Key tip over the keyboard view.
clavira_skin_image(img_key_tips_bk.png
  -size 40x40 xc:none
  -fill "#202328F0" -stroke "#00B4FF" -strokewidth 2 -draw "roundrectangle 1,1 38,38 8,8")

# Close button of a dialog: normal, hover, pressed, disabled, side by side (4 x 24 x 24).
clavira_skin_image(img_sys_close.png
  -size 96x24 xc:none
  -fill "#C8C8C8" -stroke "#C8C8C8" -strokewidth 2 -draw "line 7,7 16,16" -draw "line 16,7 7,16"
  -fill "#E81123" -stroke none -draw "rectangle 24,0 47,23"
  -fill "#FFFFFF" -stroke "#FFFFFF" -strokewidth 2 -draw "line 31,7 40,16" -draw "line 40,7 31,16"
  -fill "#A00C19" -stroke none -draw "rectangle 48,0 71,23"
  -fill "#FFFFFF" -stroke "#FFFFFF" -strokewidth 2 -draw "line 56,8 65,17" -draw "line 65,8 56,17"
  -fill "#5A5A5A" -stroke "#5A5A5A" -strokewidth 2 -draw "line 79,7 88,16" -draw "line 88,7 79,16")

# Menus: the background (nine-patch, corner 30 as the main window asks), the hover band, the
# check mark and the separator texture.
clavira_skin_image(img_menu_bk.png
  -size 64x64 xc:none
  -fill "#1B1D22F8" -stroke "#3A3F48" -strokewidth 1 -draw "roundrectangle 0,0 63,63 6,6")
clavira_skin_image(img_menu_hover.png
  -size 16x16 xc:none -fill "#285055" -draw "roundrectangle 0,0 15,15 3,3")
clavira_skin_image(img_menu_check.png
  -size 16x16 xc:none -fill none -stroke "#00B4FF" -strokewidth 2
  -draw "polyline 3,8 7,12 13,4")
clavira_skin_image(img_menu_separator.png -size 4x1 "xc:#3A3F48")

# Wait window: a 4-frame strip (48 x 48 each) and an animated GIF of the same arcs.
clavira_skin_image(logo/logo_loading.png
  -size 192x48 xc:none -fill none -stroke "#00B4FF" -strokewidth 4
  -draw "arc 6,6 42,42 0,90" -draw "arc 54,6 90,42 90,180"
  -draw "arc 102,6 138,42 180,270" -draw "arc 150,6 186,42 270,360")
clavira_skin_image(loading/loading.gif
  -delay 12 -dispose background
  ( -size 48x48 xc:black -fill none -stroke "#00B4FF" -strokewidth 4 -draw "arc 6,6 42,42 0,90" )
  ( -size 48x48 xc:black -fill none -stroke "#00B4FF" -strokewidth 4 -draw "arc 6,6 42,42 90,180" )
  ( -size 48x48 xc:black -fill none -stroke "#00B4FF" -strokewidth 4 -draw "arc 6,6 42,42 180,270" )
  ( -size 48x48 xc:black -fill none -stroke "#00B4FF" -strokewidth 4 -draw "arc 6,6 42,42 270,360" )
  -loop 0)
