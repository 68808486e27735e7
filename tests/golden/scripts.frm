VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Scripts
   Caption         =   "Scripts"
   ClientHeight    =   4170
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   6600
   Begin Host.Label NameChinese
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   150
      Width           =   1000
      Caption         =   "Chinese"
   End
   Begin Host.Label LabelChinese
      Height          =   255
      Left            =   1200
      TabIndex        =   1
      Top             =   150
      Width           =   2600
      Caption         =   "中文：东京和北京"
   End
   Begin Host.TextBox TextChinese
      Height          =   300
      Left            =   3900
      TabIndex        =   2
      Top             =   120
      Width           =   2580
      Text            =   "中文：东京和北京"
   End
   Begin Host.Label NameJapanese
      Height          =   255
      Left            =   120
      TabIndex        =   3
      Top             =   480
      Width           =   1000
      Caption         =   "Japanese"
   End
   Begin Host.Label LabelJapanese
      Height          =   255
      Left            =   1200
      TabIndex        =   4
      Top             =   480
      Width           =   2600
      Caption         =   "こんにちは、東京"
   End
   Begin Host.TextBox TextJapanese
      Height          =   300
      Left            =   3900
      TabIndex        =   5
      Top             =   450
      Width           =   2580
      Text            =   "こんにちは、東京"
   End
   Begin Host.Label NameKorean
      Height          =   255
      Left            =   120
      TabIndex        =   6
      Top             =   810
      Width           =   1000
      Caption         =   "Korean"
   End
   Begin Host.Label LabelKorean
      Height          =   255
      Left            =   1200
      TabIndex        =   7
      Top             =   810
      Width           =   2600
      Caption         =   "안녕하세요 서울"
   End
   Begin Host.TextBox TextKorean
      Height          =   300
      Left            =   3900
      TabIndex        =   8
      Top             =   780
      Width           =   2580
      Text            =   "안녕하세요 서울"
   End
   Begin Host.Label NameArabic
      Height          =   255
      Left            =   120
      TabIndex        =   9
      Top             =   1140
      Width           =   1000
      Caption         =   "Arabic"
   End
   Begin Host.Label LabelArabic
      Height          =   255
      Left            =   1200
      TabIndex        =   10
      Top             =   1140
      Width           =   2600
      Caption         =   "مرحبا بالعالم"
   End
   Begin Host.TextBox TextArabic
      Height          =   300
      Left            =   3900
      TabIndex        =   11
      Top             =   1110
      Width           =   2580
      Text            =   "مرحبا بالعالم"
   End
   Begin Host.Label NameHebrew
      Height          =   255
      Left            =   120
      TabIndex        =   12
      Top             =   1470
      Width           =   1000
      Caption         =   "Hebrew"
   End
   Begin Host.Label LabelHebrew
      Height          =   255
      Left            =   1200
      TabIndex        =   13
      Top             =   1470
      Width           =   2600
      Caption         =   "שלום עולם"
   End
   Begin Host.TextBox TextHebrew
      Height          =   300
      Left            =   3900
      TabIndex        =   14
      Top             =   1440
      Width           =   2580
      Text            =   "שלום עולם"
   End
   Begin Host.Label NameHindi
      Height          =   255
      Left            =   120
      TabIndex        =   15
      Top             =   1800
      Width           =   1000
      Caption         =   "Hindi"
   End
   Begin Host.Label LabelHindi
      Height          =   255
      Left            =   1200
      TabIndex        =   16
      Top             =   1800
      Width           =   2600
      Caption         =   "नमस्ते दुनिया, क्षत्रिय"
   End
   Begin Host.TextBox TextHindi
      Height          =   300
      Left            =   3900
      TabIndex        =   17
      Top             =   1770
      Width           =   2580
      Text            =   "नमस्ते दुनिया, क्षत्रिय"
   End
   Begin Host.Label NameGreek
      Height          =   255
      Left            =   120
      TabIndex        =   18
      Top             =   2130
      Width           =   1000
      Caption         =   "Greek"
   End
   Begin Host.Label LabelGreek
      Height          =   255
      Left            =   1200
      TabIndex        =   19
      Top             =   2130
      Width           =   2600
      Caption         =   "Γειά σου Κόσμε"
   End
   Begin Host.TextBox TextGreek
      Height          =   300
      Left            =   3900
      TabIndex        =   20
      Top             =   2100
      Width           =   2580
      Text            =   "Γειά σου Κόσμε"
   End
   Begin Host.Label NameCyrillic
      Height          =   255
      Left            =   120
      TabIndex        =   21
      Top             =   2460
      Width           =   1000
      Caption         =   "Cyrillic"
   End
   Begin Host.Label LabelCyrillic
      Height          =   255
      Left            =   1200
      TabIndex        =   22
      Top             =   2460
      Width           =   2600
      Caption         =   "Привет мир"
   End
   Begin Host.TextBox TextCyrillic
      Height          =   300
      Left            =   3900
      TabIndex        =   23
      Top             =   2430
      Width           =   2580
      Text            =   "Привет мир"
   End
   Begin Host.Label NameMarks
      Height          =   255
      Left            =   120
      TabIndex        =   24
      Top             =   2790
      Width           =   1000
      Caption         =   "Marks"
   End
   Begin Host.Label LabelMarks
      Height          =   255
      Left            =   1200
      TabIndex        =   25
      Top             =   2790
      Width           =   2600
      Caption         =   "Café ñ q́ ä"
   End
   Begin Host.TextBox TextMarks
      Height          =   300
      Left            =   3900
      TabIndex        =   26
      Top             =   2760
      Width           =   2580
      Text            =   "Café ñ q́ ä"
   End
   Begin Host.Label NameSymbols
      Height          =   255
      Left            =   120
      TabIndex        =   27
      Top             =   3120
      Width           =   1000
      Caption         =   "Symbols"
   End
   Begin Host.Label LabelSymbols
      Height          =   255
      Left            =   1200
      TabIndex        =   28
      Top             =   3120
      Width           =   2600
      Caption         =   "✓ ★ → ♥ ∑ ≠"
   End
   Begin Host.TextBox TextSymbols
      Height          =   300
      Left            =   3900
      TabIndex        =   29
      Top             =   3090
      Width           =   2580
      Text            =   "✓ ★ → ♥ ∑ ≠"
   End
   Begin Host.Label NameMixed
      Height          =   255
      Left            =   120
      TabIndex        =   30
      Top             =   3450
      Width           =   1000
      Caption         =   "Mixed"
   End
   Begin Host.Label LabelMixed
      Height          =   255
      Left            =   1200
      TabIndex        =   31
      Top             =   3450
      Width           =   2600
      Caption         =   "abc שלום 123 (x) עולם!"
   End
   Begin Host.TextBox TextMixed
      Height          =   300
      Left            =   3900
      TabIndex        =   32
      Top             =   3420
      Width           =   2580
      Text            =   "abc שלום 123 (x) עולם!"
   End
   Begin OpalineKit.cmd_Opaline_Button Button
      Height          =   315
      Left            =   1200
      TabIndex        =   33
      Top             =   3750
      Width           =   2000
      _ExtentX        =   3528
      _ExtentY        =   556
      Caption         =   "确定 موافق"
   End
End
