frame2_pal:
	db	$3C,$00,$20,$2A,$08,$18,$2C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$00,$03,$31,$1F,$1B,$2E,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
pic_pal:
	db	$3C,$00,$20,$2A,$08,$18,$2C,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
	db	$0B,$00,$03,$31,$1F,$1B,$2E,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF
