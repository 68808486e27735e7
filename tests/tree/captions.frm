VERSION 5.00
Begin Host.Form Captions
   Caption         =   "Captions"
   ClientHeight    =   3000
   ClientWidth     =   4800
   Begin Host.Label Quoted
      Caption         =   "Say ""hi"" to C:\Tom && &Jerry"
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   4000
   End
   Begin Host.Label Literal
      Caption         =   "Fish && &Chips"
      Height          =   255
      Left            =   120
      TabIndex        =   1
      Top             =   480
      UseMnemonic     =   0   'False
      Width           =   4000
   End
   Begin Host.Label Gone
      Caption         =   "Gone"
      Height          =   255
      Left            =   120
      TabIndex        =   2
      Top             =   840
      Visible         =   0   'False
      Width           =   4000
   End
   Begin Host.TextBox Secret
      Height          =   375
      Left            =   120
      PasswordChar    =   "*"
      TabIndex        =   3
      Text            =   "hunter2"
      Top             =   1200
      Width           =   2000
   End
   Begin Host.Timer Ticker
      Interval        =   100
      Left            =   120
      Top             =   1800
   End
End
