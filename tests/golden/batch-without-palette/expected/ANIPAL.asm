frame2_pal:
	db	$00,$2A,$08,$3C,$20,$2C,$18,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$00,$31,$1F,$0B,$03,$2E,$1B,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
pic_pal:
	db	$00,$3C,$20,$2A,$08,$18,$2C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$00,$0B,$03,$31,$1F,$1B,$2E,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
