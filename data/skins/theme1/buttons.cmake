# The button family's images: a dark theme with the accent #00B4FF. State strips hold their
# frames side by side: normal, hover, pressed, disabled (and the same four again, checked, for
# check boxes and radio buttons).
set(button_font /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf)

# Plain button background, 4 x (40 x 32); drawn as a nine-patch with 10-pixel corners.
clavira_skin_image(img_btn.png
  -size 160x32 xc:none
  -stroke "#3A3F4A" -fill "#2A2D35" -draw "roundrectangle 0,0 39,31 6,6"
  -stroke "#00B4FF" -fill "#343843" -draw "roundrectangle 40,0 79,31 6,6"
  -stroke "#00B4FF" -fill "#0A6E9C" -draw "roundrectangle 80,0 119,31 6,6"
  -stroke "#2C2F36" -fill "#24262B" -draw "roundrectangle 120,0 159,31 6,6")

# Image button strip, 4 x (32 x 32): rounded tiles drawn at their own size.
clavira_skin_image(img_image_btn.png
  -size 128x32 xc:none
  -stroke "#3A3F4A" -fill "#2A2D35" -draw "roundrectangle 0,0 31,31 8,8"
  -stroke "#00B4FF" -fill "#343843" -draw "roundrectangle 32,0 63,31 8,8"
  -stroke "#00B4FF" -fill "#0A6E9C" -draw "roundrectangle 64,0 95,31 8,8"
  -stroke "#2C2F36" -fill "#24262B" -draw "roundrectangle 96,0 127,31 8,8")

# A light-bulb icon, 4 x (16 x 16): light, white, accent, grey.
clavira_skin_image(img_icon_light.png
  -size 64x16 xc:none -stroke none
  -fill "#D8DCE3" -draw "circle 8,6 8,1" -draw "rectangle 6,11 10,14"
  -fill "#FFFFFF" -draw "circle 24,6 24,1" -draw "rectangle 22,11 26,14"
  -fill "#00B4FF" -draw "circle 40,6 40,1" -draw "rectangle 38,11 42,14"
  -fill "#5A5D64" -draw "circle 56,6 56,1" -draw "rectangle 54,11 58,14")

# Check box, 8 x (18 x 18): empty boxes, then filled accent boxes with a tick.
clavira_skin_image(img_check.png
  -size 144x18 xc:none -strokewidth 1.5
  -stroke "#6A6F7A" -fill "#1E2026" -draw "roundrectangle 1,1 16,16 3,3"
  -stroke "#00B4FF" -fill "#23262D" -draw "roundrectangle 19,1 34,16 3,3"
  -stroke "#00B4FF" -fill "#0A6E9C" -draw "roundrectangle 37,1 52,16 3,3"
  -stroke "#3A3D44" -fill "#24262B" -draw "roundrectangle 55,1 70,16 3,3"
  -stroke "#00B4FF" -fill "#00B4FF" -draw "roundrectangle 73,1 88,16 3,3"
  -stroke "#4CCBFF" -fill "#4CCBFF" -draw "roundrectangle 91,1 106,16 3,3"
  -stroke "#0A6E9C" -fill "#0A6E9C" -draw "roundrectangle 109,1 124,16 3,3"
  -stroke "#3A3D44" -fill "#3A3D44" -draw "roundrectangle 127,1 142,16 3,3"
  -stroke "#FFFFFF" -strokewidth 2 -fill none
  -draw "polyline 76,9 80,13 86,5" -draw "polyline 94,9 98,13 104,5"
  -draw "polyline 112,9 116,13 122,5"
  -stroke "#808080" -draw "polyline 130,9 134,13 140,5")

# Radio button, 8 x (18 x 18): rings, then rings with an accent dot.
clavira_skin_image(img_radio.png
  -size 144x18 xc:none -strokewidth 1.5
  -stroke "#6A6F7A" -fill "#1E2026" -draw "circle 8.5,8.5 8.5,1"
  -stroke "#00B4FF" -fill "#23262D" -draw "circle 26.5,8.5 26.5,1"
  -stroke "#00B4FF" -fill "#0A6E9C" -draw "circle 44.5,8.5 44.5,1"
  -stroke "#3A3D44" -fill "#24262B" -draw "circle 62.5,8.5 62.5,1"
  -stroke "#00B4FF" -fill "#1E2026" -draw "circle 80.5,8.5 80.5,1"
  -stroke "#4CCBFF" -fill "#23262D" -draw "circle 98.5,8.5 98.5,1"
  -stroke "#0A6E9C" -fill "#0A6E9C" -draw "circle 116.5,8.5 116.5,1"
  -stroke "#3A3D44" -fill "#24262B" -draw "circle 134.5,8.5 134.5,1"
  -stroke none -fill "#00B4FF" -draw "circle 80.5,8.5 80.5,4.5"
  -fill "#4CCBFF" -draw "circle 98.5,8.5 98.5,4.5"
  -fill "#FFFFFF" -draw "circle 116.5,8.5 116.5,4.5"
  -fill "#808080" -draw "circle 134.5,8.5 134.5,4.5")

# Switch, 4 x (40 x 22) for each position: a track with the knob left (off) or right (on).
clavira_skin_image(img_switch_off.png
  -size 160x22 xc:none -stroke none
  -fill "#3A3F4A" -draw "roundrectangle 0,1 39,20 10,10"
  -fill "#444955" -draw "roundrectangle 40,1 79,20 10,10"
  -fill "#2E323B" -draw "roundrectangle 80,1 119,20 10,10"
  -fill "#2A2C31" -draw "roundrectangle 120,1 159,20 10,10"
  -fill "#E6E8EC" -draw "circle 11,11 11,4" -draw "circle 51,11 51,4" -draw "circle 92,11 92,4"
  -fill "#6A6D74" -draw "circle 131,11 131,4")
clavira_skin_image(img_switch_on.png
  -size 160x22 xc:none -stroke none
  -fill "#00B4FF" -draw "roundrectangle 0,1 39,20 10,10"
  -fill "#4CCBFF" -draw "roundrectangle 40,1 79,20 10,10"
  -fill "#0A6E9C" -draw "roundrectangle 80,1 119,20 10,10"
  -fill "#2F4450" -draw "roundrectangle 120,1 159,20 10,10"
  -fill "#FFFFFF" -draw "circle 28,11 28,4" -draw "circle 68,11 68,4" -draw "circle 107,11 107,4"
  -fill "#6A6D74" -draw "circle 148,11 148,4")

# Help button, 4 x (22 x 22): a round badge with a question mark.
clavira_skin_image(img_help.png
  -size 88x22 xc:none -stroke none
  -fill "#2A2D35" -draw "circle 11,11 11,1"
  -fill "#00B4FF" -draw "circle 33,11 33,1"
  -fill "#0A6E9C" -draw "circle 55,11 55,1"
  -fill "#24262B" -draw "circle 77,11 77,1"
  -font ${button_font} -pointsize 15 -fill "#E6E8EC"
  -draw "text 7,17 '?'" -draw "text 29,17 '?'" -draw "text 52,18 '?'"
  -fill "#5A5D64" -draw "text 73,17 '?'")

# Spin arrows, 4 x (16 x 16): triangles in light grey, white, accent and dark grey.
clavira_skin_image(img_spin_up.png
  -size 64x16 xc:none -stroke none
  -fill "#C8CCD4" -draw "polygon 3,11 13,11 8,5"
  -fill "#FFFFFF" -draw "polygon 19,11 29,11 24,5"
  -fill "#00B4FF" -draw "polygon 35,11 45,11 40,5"
  -fill "#5A5D64" -draw "polygon 51,11 61,11 56,5")
clavira_skin_image(img_spin_down.png
  -size 64x16 xc:none -stroke none
  -fill "#C8CCD4" -draw "polygon 3,5 13,5 8,11"
  -fill "#FFFFFF" -draw "polygon 19,5 29,5 24,11"
  -fill "#00B4FF" -draw "polygon 35,5 45,5 40,11"
  -fill "#5A5D64" -draw "polygon 51,5 61,5 56,11")
